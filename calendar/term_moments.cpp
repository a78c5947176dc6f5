#include "calendar/term_moments.h"

#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <array>
#include <cmath>

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
constexpr double kDaysPerJulianCentury = 36525;
constexpr double kAberrationArcseconds = 20.4898;
constexpr double kMeanDegreesPerDay = 360 / 365.2422;
constexpr double kToleranceDegrees = 1e-7;  // about 9 ms of the Sun's motion

double DecimalYear(double julianDay) { return 2000 + (julianDay - kJ2000) / kDaysPerJulianYear; }

// The Sun's apparent ecliptic longitude of date, in degrees; holds LibnovaMutex.
// libnova 0.16 gives the geometric position on the ecliptic and equinox of
// J2000 (FK5), its own "apparent" longitude adds the nutation of date to that
// and divides the aberration constant by 360 × 3600 instead of 3600, and its
// ecliptic precession is an empty stub. So the longitude of date is built here:
// the J2000 longitude, plus the general precession in longitude (IAU 1976,
// Meeus eq. 21.6), plus libnova's nutation in longitude, minus the aberration
// 20.4898″ / R (Meeus eq. 25.10). ln_get_nutation reuses its last result for
// any moment within 0.1 day of it; asking first for a moment a day away makes
// every longitude independent of earlier calls. (It takes its argument for UT
// and adds its own ΔT, a minute late: far below a millisecond of the Sun.)
double ApparentSolarLongitude(double jde) {
  ln_helio_posn sun;
  ln_get_solar_geom_coords(jde, &sun);
  ln_nutation nutation;
  ln_get_nutation(jde + 1, &nutation);
  ln_get_nutation(jde, &nutation);
  const double t = (jde - kJ2000) / kDaysPerJulianCentury;
  const double precessionArcseconds = (5029.0966 + (1.11113 - 0.000006 * t) * t) * t;
  return sun.L + precessionArcseconds / 3600 + nutation.longitude - kAberrationArcseconds / 3600 / sun.R;
}

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
