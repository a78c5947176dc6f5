#pragma once
// Civil dates as the engine sees them: Julian before 1582-10-05, Gregorian from
// 1582-10-15, and the ten days between never existed.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const CivilDate&) const = default;
};

// A civil date with a time of day, as the birthday picker holds it.
struct DateTime {
  CivilDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  auto operator<=>(const DateTime&) const = default;
};

// The machine's local date and time now.
DateTime LocalNow();

// Gregorian rule from 1583 on, Julian rule (every fourth year) before.
bool IsLeapYear(int year);
int MonthLength(int year, int month);
// A real day of the calendar: month 1..12, day within the month, not one of
// the ten days dropped in October 1582.
bool IsExistingDate(const CivilDate& date);
bool IsDroppedReformDay(const CivilDate& date);

// "yyyy-MM-dd", the one date format of the program.
std::string FormatDate(const CivilDate& date);
// Reads "yyyy-MM-dd" (exactly four, two and two digits); no check that the date exists.
std::optional<CivilDate> ParseDate(std::string_view text);

}  // namespace velmora
