#pragma once
// Civil to lunar: the lunar day from the new-moon series, the lunar month from
// counting mean lunations corrected by the leap-month digits, and the lunar
// year from a search for the lunar new year.

#include <optional>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"

namespace velmora {

struct LunarDate {
  int year = 0;   // the civil year in which this lunar year's first month begins
  int month = 0;  // 1..12, also for a leap month
  bool leap = false;
  int day = 0;  // 1..30
  auto operator<=>(const LunarDate&) const = default;
};

inline constexpr int kFirstSupportedYear = 1;
inline constexpr int kLastSupportedYear = 2100;

// 1..30 (0 only for dates the series does not reach).
int LunarDayOf(int year, int month, int day);
// +m for regular month m, -m for the leap month that follows month m.
int LunarMonthOf(int year, int month, int day);

// The civil date of a lunar date; fails when it does not exist or lies
// outside the years the engine covers.
std::optional<CivilDate> LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap);

// Fails outside the years 1..2100 and for dates that do not exist.
std::optional<LunarDate> SolarToLunar(int year, int month, int day);
inline std::optional<LunarDate> SolarToLunar(const CivilDate& date) {
  return SolarToLunar(date.year, date.month, date.day);
}

// The day number of lunar new year (month 1, day 1, not leap) of lunar year Y,
// found by the search above and computed once per year. Where the search
// fails (only before 1583) it is the day the month number wraps around, and
// empty when that happens before 1 January.
std::optional<DayNumber> LunarNewYearDay(int year);

}  // namespace velmora
