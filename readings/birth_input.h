#pragma once
// A birth as the user gives it for a chart (the clock time, to the minute or
// the hour, the place or a raw longitude, the sex), and when it is charted.
//
// The convention where schools differ: the year and month pillars and the
// luck pillars' 节 are taken by the instant of birth against the 节 moments
// (China standard time, daylight saving removed); the day and hour pillars by
// the local time, which is local true solar time when a place or longitude is
// given and China standard time otherwise. The 23:00 day change applies to
// that local time, so a correction that rolls the date over moves the day.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/china_daylight_saving.h"
#include "calendar/four_pillars.h"
#include "calendar/true_solar_time.h"
#include "readings/birth_places.h"
#include "readings/luck_pillars.h"

namespace velmora {

struct BirthInput {
  DateTime clock;                    // as read off the clock; minute 0 when not given
  bool hasMinute = false;            // whether the minute was given
  std::optional<double> longitude;   // degrees east, with a place or a raw longitude
  std::string zone = kChinaZone;     // IANA zone of the clock
  std::string placeName;             // GBK, for the pages; empty for a raw longitude
  std::string province;              // GBK, of the place; abroad the country
  Sex sex = Sex::Male;
};

// Makes the birth one at the place: its longitude, zone, name and province.
void SetBirthPlace(BirthInput& birth, const BirthPlace& place);

struct ChartTime {
  StandardTime instant;  // China standard time of the birth, and what the clock hour was
  DateTime local;        // the time the day and hour pillars are taken at
  std::optional<TimeCorrection> correction;  // with a longitude: clock → standard → mean → true solar
};

// A time of day as typed: "H", "HH", "H:MM" or "HH:MM" (hour 0..23, minute
// 0..59); nothing for anything else. The minute is absent when not typed.
struct ClockReading {
  int hour = 0;
  std::optional<int> minute;
};
std::optional<ClockReading> ParseClockTime(std::string_view text);

// A minute typed on its own: one or two digits, 0..59; nothing for anything else.
std::optional<int> ParseMinute(std::string_view text);

// Degrees east as typed: a plain decimal number (such as 116.4 or -73.94)
// from -180 to 180; nothing for anything else.
std::optional<double> ParseLongitude(std::string_view text);

// Throws std::invalid_argument for a clock or longitude the correction cannot
// use, or a corrected birth before the calendar's first day; the date must exist.
ChartTime ChartTimeOf(const BirthInput& input);

// The same birth an hour later (+1) or earlier (-1) on every clock.
ChartTime ShiftedHour(const ChartTime& time, int hours);

// The year and month pillars of the instant with the day and hour pillars of the local time.
FourPillars PillarsOf(const ChartTime& time);

}  // namespace velmora
