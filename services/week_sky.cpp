#include "services/week_sky.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <mutex>
#include <optional>

#include "calendar/apparent_longitudes.h"
#include "calendar/delta_t.h"
#include "calendar/libnova_lock.h"

namespace velmora::services {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kSecondsPerDay = 86400;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianYear = 365.25;
constexpr std::time_t kUtcOffset = 8 * 3600;
// Sampling steps short enough that no two changes fall between samples: the
// Moon moves at most 1.6 degrees in two hours, its elongation as little.
constexpr std::time_t kMoonStep = 2 * 3600;
constexpr std::time_t kSunStep = 24 * 3600;

// The ephemeris Julian day of a clock moment.
double EphemerisDay(std::time_t moment) {
  const double ut = kUnixEpochJulianDay + static_cast<double>(moment) / kSecondsPerDay;
  return ut + DeltaTSeconds(2000 + (ut - kJ2000) / kDaysPerJulianYear) / kSecondsPerDay;
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
  return Normalized(ApparentLunarLongitude(jde));
}

double SunLongitude(std::time_t moment) {
  const double jde = EphemerisDay(moment);
  const std::lock_guard<std::mutex> lock(LibnovaMutex());
  return Normalized(ApparentSolarLongitude(jde));
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

WeekSky RememberedSkyOfWeek(std::time_t weekStart) {
  static std::mutex mutex;
  static std::optional<WeekSky> remembered;
  const std::lock_guard lock(mutex);
  if (!remembered || remembered->start != weekStart) remembered = SkyOfWeek(weekStart);
  return *remembered;
}

int MoonSignAt(const WeekSky& sky, std::time_t moment) {
  int sign = sky.moonSignAtStart;
  for (const SignEntry& entry : sky.moonEntries) {
    if (entry.at <= moment) sign = entry.sign;
  }
  return sign;
}

}  // namespace velmora::services
