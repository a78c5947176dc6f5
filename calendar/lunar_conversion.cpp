#include "calendar/lunar_conversion.h"

#include <cmath>
#include <cstdlib>

#include "calendar/leap_months.h"
#include "calendar/new_moon.h"
#include "calendar/per_year_cache.h"

namespace velmora {
namespace {

constexpr double kMeanLunation = 29.530588;

// Day number of the lunation epoch, -849-01-21 by the Julian rule.
DayNumber LunationEpoch() {
  static const DayNumber epoch = DayNumberOf(-849, 1, 21);
  return epoch;
}

// Small fixes that keep the month count in step with the leap table in the
// first centuries.
int EarlyYearAdjustment(int year) {
  int adjustment = -3;
  if (year <= 240) adjustment += 1;
  if (year <= 237) adjustment -= 1;
  if (year <= 23) adjustment += 1;
  if (year <= 8) adjustment -= 1;
  return adjustment;
}

bool Within(int month, int day, int fromMonth, int fromDay, int toMonth, int toDay) {
  const int key = month * 100 + day;
  return key >= fromMonth * 100 + fromDay && key <= toMonth * 100 + toDay;
}

// Compares lunar positions: year, then month, then (leap month after the
// regular one) the leap flag, then the day.
int CompareLunar(int year, int month, bool leap, int day, const LunarDate& target) {
  if (year != target.year) return year < target.year ? -1 : 1;
  if (month != target.month) return month < target.month ? -1 : 1;
  if (leap != target.leap) return leap ? 1 : -1;
  if (day != target.day) return day < target.day ? -1 : 1;
  return 0;
}

}  // namespace

int LunarDayOf(int year, int month, int day) {
  const DayNumber n = DayNumberOf(year, month, day);
  const NewMoonDays& newMoons = CachedNewMoonDays(year);
  int lunarDay = 0;
  // The most recent new moon on or before the date wins.
  for (DayNumber newMoon : newMoons) {
    const DayNumber g = n - newMoon;
    if (g >= 0 && g <= 29) lunarDay = g + 1;
  }
  // Two months where the series' moment lies on the wrong side of midnight
  // against the published almanacs.
  if (year == 1924 && Within(month, day, 3, 5, 4, 3)) {
    lunarDay = lunarDay + 1 == 31 ? 1 : lunarDay + 1;
  }
  if (year == 2018 && Within(month, day, 11, 7, 12, 6)) {
    lunarDay = lunarDay - 1 == 0 ? 30 : lunarDay - 1;
  }
  return lunarDay;
}

int LunarMonthOf(int year, int month, int day) {
  const int d = LunarDayOf(year, month, day);
  const double lunations = static_cast<double>(DayNumberOf(year, month, day) - LunationEpoch() - d) / kMeanLunation;
  // nearbyint rounds halves to even under the default rounding mode.
  const int n = static_cast<int>(std::nearbyint(lunations)) - LeapMonthsThrough(year) + EarlyYearAdjustment(year);
  int m = ((n % 12) + 12) % 12 + 1;
  const int leapMonth = LeapMonthOf(year);
  if (LeapMonthOf(year - 1) == m && month == 1 && day < d) return -m;  // last year's leap month runs into January
  if (leapMonth == m) {
    if ((month == 1 || month == 2) && leapMonth != 12) return m + 1;
    return -m;
  }
  if (leapMonth > m || (month < m && leapMonth > 0)) m = m == 12 ? 1 : m + 1;
  return m;
}

std::optional<CivilDate> LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap) {
  if (lunarYear < kFirstSupportedYear || lunarYear > kLastSupportedYear) return std::nullopt;
  if (leap && LeapMonthOf(lunarYear) != lunarMonth) return std::nullopt;
  const LunarDate target{lunarYear, lunarMonth, leap, lunarDay};

  enum class Direction { None, Up, Down };
  DayNumber lo = DayNumberOf(lunarYear, 1, 1);
  DayNumber hi = DayNumberOf(lunarYear + 1, 12, 31);
  bool last = false;
  Direction direction = Direction::None;
  int year = lunarYear;
  int previousMonth = 0;
  for (int probes = 1; hi > lo; ++probes) {
    if (probes > 100) return std::nullopt;
    const DayNumber mid = (lo + hi) / 2 + (last ? 1 : 0);
    if (hi - lo == 1) last = true;
    const std::optional<CivilDate> probe = DateOfDayNumber(mid);
    if (!probe) return std::nullopt;
    const int signedMonth = LunarMonthOf(probe->year, probe->month, probe->day);
    const int month = std::abs(signedMonth);
    const bool probeLeap = signedMonth < 0;
    const int day = LunarDayOf(probe->year, probe->month, probe->day);
    // The month sequence wrapping around tells that the probe crossed a lunar year.
    if (direction == Direction::Up && month < previousMonth) ++year;
    if (direction == Direction::Down && month > previousMonth) --year;
    const int order = CompareLunar(year, month, probeLeap, day, target);
    if (order == 0) return probe;
    if (order < 0) {
      lo = mid;
      direction = Direction::Up;
    } else {
      hi = mid;
      direction = Direction::Down;
    }
    previousMonth = month;
  }
  return std::nullopt;
}

namespace {

// In some early years the month count never names a month 1 (a leap twelfth
// month is followed by "month 2") or lunar new year falls on 31 December of
// the year before, so the search finds nothing. The lunar year then turns
// where the month number wraps around inside the civil year, if it does.
std::optional<DayNumber> MonthWrapInYear(int year) {
  const DayNumber last = DayNumberOf(year, 12, 31);
  int previousMonth = std::abs(LunarMonthOf(year - 1, 12, 31));
  for (DayNumber n = DayNumberOf(year, 1, 1); n <= last; ++n) {
    const CivilDate date = *DateOfDayNumber(n);
    const int month = std::abs(LunarMonthOf(date.year, date.month, date.day));
    if (month < previousMonth) return n;
    previousMonth = month;
  }
  return std::nullopt;
}

}  // namespace

std::optional<DayNumber> LunarNewYearDay(int year) {
  static PerYearCache<std::optional<DayNumber>, kFirstSupportedYear, kLastSupportedYear> cache;
  return cache.Get(year, [](int y) -> std::optional<DayNumber> {
    if (const std::optional<CivilDate> newYear = LunarToSolar(y, 1, 1, false)) return DayNumberOf(*newYear);
    return MonthWrapInYear(y);
  });
}

std::optional<LunarDate> SolarToLunar(int year, int month, int day) {
  if (year < kFirstSupportedYear || year > kLastSupportedYear) return std::nullopt;
  if (!IsExistingDate({year, month, day})) return std::nullopt;
  LunarDate lunar;
  lunar.day = LunarDayOf(year, month, day);
  const int signedMonth = LunarMonthOf(year, month, day);
  lunar.month = std::abs(signedMonth);
  lunar.leap = signedMonth < 0;
  // Before the lunar new year of this civil year the date still belongs to the
  // previous lunar year; when no new year falls inside the civil year, the
  // civil year stays.
  const std::optional<DayNumber> newYear = LunarNewYearDay(year);
  lunar.year = newYear && DayNumberOf(year, month, day) < *newYear ? year - 1 : year;
  return lunar;
}

}  // namespace velmora
