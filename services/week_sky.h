#pragma once
// The sky of one week as the weekly forecasts read it. The week runs from
// Monday 00:00 to the next Monday 00:00 in UTC+8 (Beijing time); within it
// the moments the Moon enters a sign, the moments of the Moon's four
// principal phases, and the Sun's signs. Positions are the apparent geocentric
// ecliptic longitudes of date of calendar/apparent_longitudes.h (libnova), at
// the clock moment turned into dynamical time with ΔT (calendar/delta_t.h).
// Signs are tropical, 30 degrees each from the vernal equinox, numbered
// 0 (白羊座) to 11 (双鱼座).

#include <ctime>
#include <vector>

namespace velmora::services {

inline constexpr int kSignCount = 12;
inline constexpr std::time_t kSecondsPerWeek = 7 * 24 * 3600;

enum class LunarPhase { New, FirstQuarter, Full, LastQuarter };

// A body entering a sign: the first whole second it stands in it.
struct SignEntry {
  std::time_t at;
  int sign;
  bool operator==(const SignEntry&) const = default;
};

struct Lunation {
  std::time_t at;  // the first whole second of the phase
  LunarPhase phase;
  int moonSign;  // the sign the Moon stands in at that moment
  bool operator==(const Lunation&) const = default;
};

struct WeekSky {
  std::time_t start;  // Monday 00:00 UTC+8
  int moonSignAtStart;
  std::vector<SignEntry> moonEntries;  // in time order, start <= at < start + one week
  int sunSignAtStart;
  std::vector<SignEntry> sunEntries;  // none or one
  std::vector<Lunation> lunations;    // in time order
  bool operator==(const WeekSky&) const = default;
};

// Monday 00:00 UTC+8 of the week that holds the moment.
std::time_t WeekStart(std::time_t moment);

// A moment on the clock of UTC+8.
struct BeijingTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int weekday;  // 0 Monday .. 6 Sunday
};
BeijingTime BeijingTimeOf(std::time_t moment);

// Apparent geocentric ecliptic longitudes of date, in degrees 0 <= l < 360,
// at a clock moment (UTC).
double MoonLongitude(std::time_t moment);
double SunLongitude(std::time_t moment);
int SignOfLongitude(double degrees);

// The facts of the week that begins at weekStart. The same week always gives
// the same facts, whatever was computed before.
WeekSky SkyOfWeek(std::time_t weekStart);

// SkyOfWeek, remembered for the last week asked: every forecast of a week
// reads the same sky, and computing it takes tens of milliseconds. Safe from
// any thread.
WeekSky RememberedSkyOfWeek(std::time_t weekStart);

// The Moon's sign at a moment of the week, read from the week's facts.
int MoonSignAt(const WeekSky& sky, std::time_t moment);

}  // namespace velmora::services
