#pragma once
// Day numbers: a signed count of days, day 1 being 0001-01-03 (Julian).
// 1582-10-04 is day 577735 and 1582-10-15 the day after; 1899-12-31 is 693595.

#include <cstdint>
#include <optional>

#include "calendar/civil_date.h"

namespace velmora {

using DayNumber = std::int32_t;

inline constexpr DayNumber kLastJulianDayNumber = 577735;
// 0001-01-01, the first date of the calendar.
inline constexpr DayNumber kFirstDayNumber = -1;

// Day 0 of a month is the day before its first (the solar-term formula uses
// day 0 of January). The ten dropped days of 1582 give 0.
DayNumber DayNumberOf(int year, int month, int day);
inline DayNumber DayNumberOf(const CivilDate& date) { return DayNumberOf(date.year, date.month, date.day); }

// The civil date of a day number; fails before 0001-01-01 (kFirstDayNumber).
std::optional<CivilDate> DateOfDayNumber(DayNumber n);

// 0 = Sunday, 1 = Monday, ... 6 = Saturday.
int DayOfWeek(DayNumber n);

}  // namespace velmora
