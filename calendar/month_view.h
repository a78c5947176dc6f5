#pragma once
// What the month calendar shows and how its selectors move, apart from drawing.

#include <string>
#include <vector>

#include "calendar/civil_date.h"
#include "calendar/day_facts.h"

namespace velmora {

inline constexpr int kFirstCalendarYear = 1;
inline constexpr int kLastCalendarYear = 2100;

// The lunar line of a day cell: the day text, or the month text on 初一; then
// the civil festival, the solar term and the lunar festival, each replacing
// the one before when not empty.
std::string DayCellLunarLine(const TChnCal& facts);

// Before 1949 the era text, otherwise the civil date, then " 农历" and the
// lunar date text.
std::string CalendarTitleLine(const CivilDate& date, const TChnCal& facts, const std::string& cnDate);

struct DayCell {
  int day = 0;             // civil day of the month
  std::string lunarLine;   // GBK, empty for the dropped days of 1582
};
// One cell per day of the month, each with its lunar line.
std::vector<DayCell> MonthDayCells(int year, int month);
// 0 = Sunday … 6 = Saturday, the weekday of the first day of the month.
int FirstWeekdayOfMonth(int year, int month);

// The same day in another month or year, lowered one day at a time until the
// date exists. Stepping months wraps over the year's end.
CivilDate WithYear(const CivilDate& date, int year);
CivilDate StepMonths(const CivilDate& date, int months);
CivilDate WithMonth(const CivilDate& date, int month);

}  // namespace velmora
