#include "calendar/day_number.h"

namespace velmora {
namespace {

int DayOfYear(int year, int month, int day) {
  int doy = day;
  for (int m = 1; m < month; ++m) doy += MonthLength(year, m);
  return doy;
}

CivilDate DateOfDayInYear(int year, int doy) {
  int month = 1;
  while (doy > MonthLength(year, month)) {
    doy -= MonthLength(year, month);
    ++month;
  }
  return {year, month, doy};
}

}  // namespace

DayNumber DayNumberOf(int year, int month, int day) {
  const CivilDate date{year, month, day};
  if (IsDroppedReformDay(date)) return 0;
  const int doy = DayOfYear(year, month, day);
  const int e = year - 1;
  if (date < CivilDate{1582, 10, 5}) return 365 * e + e / 4 + doy - 2;
  return 365 * e + e / 4 - e / 100 + e / 400 + doy;
}

// The exact inverse of DayNumberOf. A shortcut that shifts Julian numbers into
// the Gregorian count and then walks Gregorian years lands a day early around
// Julian century years; inverting each calendar on its own avoids that.
std::optional<CivilDate> DateOfDayNumber(DayNumber n) {
  if (n < kFirstDayNumber) return std::nullopt;
  if (n <= kLastJulianDayNumber) {
    const int days = n + 1;  // days since 0001-01-01 (Julian)
    const int fourYears = days / 1461;
    int rest = days % 1461;
    const int years = rest / 365 < 3 ? rest / 365 : 3;
    rest -= 365 * years;
    return DateOfDayInYear(1 + 4 * fourYears + years, rest + 1);
  }
  int rest = n - 1;  // days since 0001-01-01 (proleptic Gregorian)
  const int cycles400 = rest / 146097;
  rest %= 146097;
  const int cycles100 = rest / 36524 < 3 ? rest / 36524 : 3;
  rest -= 36524 * cycles100;
  const int cycles4 = rest / 1461;
  rest %= 1461;
  const int years = rest / 365 < 3 ? rest / 365 : 3;
  rest -= 365 * years;
  return DateOfDayInYear(400 * cycles400 + 100 * cycles100 + 4 * cycles4 + years + 1, rest + 1);
}

int DayOfWeek(DayNumber n) { return ((n % 7) + 7) % 7; }

}  // namespace velmora
