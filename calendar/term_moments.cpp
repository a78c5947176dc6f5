#include "calendar/term_moments.h"

#include <array>
#include <cmath>

#include "calendar/apparent_longitudes.h"
#include "calendar/day_number.h"
#include "calendar/delta_t.h"
#include "calendar/libnova_lock.h"
#include "calendar/per_year_cache.h"
#include "calendar/solar_terms.h"

namespace velmora {
namespace {

using YearTermMoments = std::array<Moment, 24>;

constexpr double kJulianDayOfDayNumberZero = 1721424.5;  // 00:00 UT of 0001-01-02 (Julian)
constexpr double kUtcOffsetDays = 8.0 / 24;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kMeanDegreesPerDay = 360 / 365.2422;
constexpr double kToleranceDegrees = 1e-7;  // about 9 ms of the Sun's motion

double DecimalYear(double julianDay) { return 2000 + (julianDay - kJ2000) / kDaysPerJulianYear; }

// The ephemeris moment the Sun reaches the longitude, by secant steps from a
// guess a few hours off.
double SolveLongitude(double degrees, double guessJde) {
  double before = guessJde;
  double offsetBefore = std::remainder(degrees - ApparentSolarLongitude(before), 360.0);
  double jde = before + offsetBefore / kMeanDegreesPerDay;
  for (int step = 0; step < 20; ++step) {
    const double offset = std::remainder(degrees - ApparentSolarLongitude(jde), 360.0);
    if (std::abs(offset) < kToleranceDegrees) break;
    const double rate = (offsetBefore - offset) / (jde - before);
    before = jde;
    offsetBefore = offset;
    jde += offset / (rate > 0 ? rate : kMeanDegreesPerDay);
  }
  return jde;
}

Moment ComputeTermMoment(int year, int n) {
  // The calendar's closed-form series lands within half an hour of the moment.
  const double guessUt = DayNumberOf(year, 1, 0) + SolarTermMoment(year, n) - kUtcOffsetDays +
                         kJulianDayOfDayNumberZero;
  const double guessJde = guessUt + DeltaTSeconds(DecimalYear(guessUt)) / kSecondsPerDay;
  const double jde = SolveLongitude(std::fmod(285.0 + 15.0 * (n - 1), 360.0), guessJde);
  const double ut = jde - DeltaTSeconds(DecimalYear(jde)) / kSecondsPerDay;
  return std::llround((ut - kJulianDayOfDayNumberZero + kUtcOffsetDays) * kSecondsPerDay);
}

YearTermMoments ComputeYear(int year) {
  const std::lock_guard<std::mutex> lock(LibnovaMutex());
  YearTermMoments moments{};
  for (int n = 1; n <= 24; ++n) moments[static_cast<std::size_t>(n - 1)] = ComputeTermMoment(year, n);
  return moments;
}

const YearTermMoments& YearMoments(int year) {
  static PerYearCache<YearTermMoments, 1, 2101> cache;
  return cache.Get(year, ComputeYear);
}

// A civil year whose first 节 lies after the moment: the year after the
// moment's own (under the Julian calendar 小寒 can fall in the December before).
int YearAfter(Moment moment) {
  const std::optional<DateTime> time = DateTimeOf(moment);
  return (time ? time->date.year : 1) + 1;
}

}  // namespace

Moment TermMoment(int year, int n) { return YearMoments(year)[static_cast<std::size_t>(n - 1)]; }

TermInstant JieAtOrBefore(Moment moment) {
  for (int year = YearAfter(moment);; --year) {
    const YearTermMoments moments = YearMoments(year);  // a copy: uncached years live in one thread_local
    for (int n = 23; n >= 1; n -= 2) {
      const Moment jie = moments[static_cast<std::size_t>(n - 1)];
      if (jie <= moment) return {year, n, jie};
    }
  }
}

TermInstant JieAfter(Moment moment) {
  const TermInstant last = JieAtOrBefore(moment);
  return last.n == 23 ? TermInstant{last.year + 1, 1, TermMoment(last.year + 1, 1)}
                      : TermInstant{last.year, last.n + 2, TermMoment(last.year, last.n + 2)};
}

const std::string& TermName(const TermInstant& term) { return SolarTermName((term.n + 21) % 24); }

}  // namespace velmora
