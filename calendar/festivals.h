#pragma once
// Festival names of a day: fixed civil dates and weekday rules, and lunar dates.

#include <string>

#include "calendar/civil_date.h"

namespace velmora {

// 元旦节, 母亲节 (second Sunday of May), 感恩节 (fourth Thursday of November), …
std::string SolarFestivalOfDate(int year, int month, int day);

// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节 by lunar month and day (a
// leap month counts as its regular month), and 除夕 on the last day of the
// twelfth month.
std::string LunarFestivalOf(int lunarMonth, int lunarDay, const CivilDate& date);

}  // namespace velmora
