#include "services/week_sky.h"

#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <mutex>

#include "calendar/libnova_lock.h"

namespace velmora::services {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kSecondsPerDay = 86400;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525;
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kAberrationArcseconds = 20.4898;
constexpr std::time_t kUtcOffset = 8 * 3600;
// Terms of the lunar series below this size are left out: the longitude
// stays within 0.0011 degrees (four seconds of the Moon's motion) of the full
// series at a thirtieth of its cost.
constexpr double kLunarSeriesPrecision = 1e-6;
// Sampling steps short enough that no two changes fall between samples: the
// Moon moves at most 1.6 degrees in two hours, its elongation as little.
constexpr std::time_t kMoonStep = 2 * 3600;
constexpr std::time_t kSunStep = 24 * 3600;

// ΔT = TT − UT in seconds (Espenak and Meeus, "Five Millennium Canon of Solar
// Eclipses", 2006): their polynomial for 2005–2050, the long-term parabola of
// Morrison and Stephenson elsewhere. At a minute's resolution the weeks of
// any other century would not need more.
double DeltaTSeconds(double year) {
  if (year >= 2005 && year < 2050) {
    const double t = year - 2000;
    return 62.92 + (0.32217 + 0.005589 * t) * t;
  }
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u;
}

// The ephemeris Julian day of a clock moment.
double EphemerisDay(std::time_t moment) {
  const double ut = kUnixEpochJulianDay + static_cast<double>(moment) / kSecondsPerDay;
  return ut + DeltaTSeconds(2000 + (ut - kJ2000) / kDaysPerJulianYear) / kSecondsPerDay;
}

// Degrees from the equinox of J2000 to that of date along the ecliptic: the
// general precession in longitude (IAU 1976, Meeus eq. 21.6). The ecliptic's
// own slow turn moves a body five degrees off it by less than two arcseconds.
double PrecessionSinceJ2000(double jde) {
  const double t = (jde - kJ2000) / kDaysPerJulianCentury;
  return (5029.0966 + (1.11113 - 0.000006 * t) * t) * t / 3600;
}

// libnova's nutation in longitude, in degrees. ln_get_nutation reuses its last
// result for any moment within 0.1 day of it; asking first for a moment a
// day away makes the answer independent of earlier calls.
double NutationInLongitude(double jde) {
  ln_nutation nutation;
  ln_get_nutation(jde + 1, &nutation);
  ln_get_nutation(jde, &nutation);
  return nutation.longitude;
}

double Normalized(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0 ? reduced + 360 : reduced;
}

// Each finds the whole-second moments in [from, to) at which the value
// changes, given samples dense enough that it changes at most once between
// neighbours; the value just after each change goes with it.
struct Change {
  std::time_t at;
  int value;
};
std::vector<Change> ChangesBetween(const std::function<int(std::time_t)>& value, std::time_t from, std::time_t to,
                                   std::time_t step) {
  std::vector<Change> changes;
  std::time_t before = from;
  int valueBefore = value(from);
  while (before < to) {
    const std::time_t after = std::min(before + step, to);
    const int valueAfter = value(after);
    if (valueAfter != valueBefore) {
      std::time_t low = before;  // still the old value
      std::time_t high = after;  // already the new one
      while (high - low > 1) {
        const std::time_t middle = low + (high - low) / 2;
        (value(middle) == valueBefore ? low : high) = middle;
      }
      if (high < to) changes.push_back({high, valueAfter});
    }
    before = after;
    valueBefore = valueAfter;
  }
  return changes;
}

// The quarter of the Moon's elongation from the Sun: 0 from new moon to first
// quarter, 1 to full moon, 2 to last quarter, 3 to the next new moon.
int ElongationQuarter(std::time_t moment) {
  return static_cast<int>(Normalized(MoonLongitude(moment) - SunLongitude(moment)) / 90) % 4;
}

}  // namespace

std::time_t WeekStart(std::time_t moment) {
  using namespace std::chrono;
  const sys_seconds local{seconds(moment + kUtcOffset)};
  const sys_days day = floor<days>(local);
  const sys_days monday = day - (weekday(day) - Monday);
  return sys_seconds(monday).time_since_epoch().count() - kUtcOffset;
}

BeijingTime BeijingTimeOf(std::time_t moment) {
  using namespace std::chrono;
  const sys_seconds local{seconds(moment + kUtcOffset)};
  const sys_days day = floor<days>(local);
  const year_month_day date(day);
  const hh_mm_ss<seconds> time(local - day);
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()),
          static_cast<int>((weekday(day) - Monday).count())};
}

double MoonLongitude(std::time_t moment) {
  const double jde = EphemerisDay(moment);
  const std::lock_guard<std::mutex> lock(LibnovaMutex());
  ln_lnlat_posn moon;  // on the ecliptic and equinox of J2000
  ln_get_lunar_ecl_coords(jde, &moon, kLunarSeriesPrecision);
  return Normalized(moon.lng + PrecessionSinceJ2000(jde) + NutationInLongitude(jde));
}

double SunLongitude(std::time_t moment) {
  const double jde = EphemerisDay(moment);
  const std::lock_guard<std::mutex> lock(LibnovaMutex());
  ln_helio_posn sun;  // geometric, on the ecliptic and equinox of J2000
  ln_get_solar_geom_coords(jde, &sun);
  return Normalized(sun.L + PrecessionSinceJ2000(jde) + NutationInLongitude(jde) -
                    kAberrationArcseconds / 3600 / sun.R);
}

int SignOfLongitude(double degrees) { return static_cast<int>(Normalized(degrees) / 30) % kSignCount; }

WeekSky SkyOfWeek(std::time_t weekStart) {
  const std::time_t end = weekStart + kSecondsPerWeek;
  const auto moonSign = [](std::time_t t) { return SignOfLongitude(MoonLongitude(t)); };
  const auto sunSign = [](std::time_t t) { return SignOfLongitude(SunLongitude(t)); };
  WeekSky sky{weekStart, moonSign(weekStart), {}, sunSign(weekStart), {}, {}};
  for (const Change& change : ChangesBetween(moonSign, weekStart, end, kMoonStep)) {
    sky.moonEntries.push_back({change.at, change.value});
  }
  for (const Change& change : ChangesBetween(sunSign, weekStart, end, kSunStep)) {
    sky.sunEntries.push_back({change.at, change.value});
  }
  for (const Change& change : ChangesBetween(ElongationQuarter, weekStart, end, kMoonStep)) {
    sky.lunations.push_back({change.at, static_cast<LunarPhase>(change.value), MoonSignAt(sky, change.at)});
  }
  return sky;
}

int MoonSignAt(const WeekSky& sky, std::time_t moment) {
  int sign = sky.moonSignAtStart;
  for (const SignEntry& entry : sky.moonEntries) {
    if (entry.at <= moment) sign = entry.sign;
  }
  return sign;
}

}  // namespace velmora::services
