#pragma once
// Local true solar time of a birth read off a clock at a place: the clock's
// standard time (daylight saving removed), plus 4 minutes for every degree the
// place lies east of its zone's meridian (local mean solar time), plus the
// equation of time of that moment (calendar/equation_of_time.h). The date may
// roll over either way.
//
// Whose clock: "Asia/Shanghai" (every place of mainland China) follows China's
// rule of calendar/china_daylight_saving.h, UTC+8 with the summers of
// 1986-1991; every other zone (Hong Kong, Macau, Taiwan and abroad) takes its
// offset and daylight saving at that date from the system's tz database
// (/usr/share/zoneinfo, through Howard Hinnant's date/tz). A clock reading the
// clocks skipped or showed twice is taken as standard time as written, as
// China's rule does.

#include <string>

#include "calendar/china_daylight_saving.h"
#include "calendar/civil_date.h"
#include "calendar/civil_moment.h"

namespace velmora {

inline constexpr char kChinaZone[] = "Asia/Shanghai";
inline constexpr int kFirstSolarTimeYear = 1;
inline constexpr int kLastSolarTimeYear = 2100;

struct TimeCorrection {
  DateTime clock;                       // as entered (to the minute, or the second)
  DateTime standard;                    // the zone's standard time: daylight saving removed
  ClockHour clockHour = ClockHour::Standard;  // what the clock reading was
  int daylightSavingMinutes = 0;        // removed from the clock: 0, mostly 60 (negative in Ireland's winters)
  int zoneOffsetMinutes = 0;            // the standard offset east of UTC at that date (a zone's local
                                        // mean time before it had standard time is rounded to the minute)
  double longitude = 0;                 // degrees east
  double longitudeMinutes = 0;          // 4 min per degree east of the zone's meridian
  DateTime mean;                        // local mean solar time
  double equationMinutes = 0;           // the equation of time at that moment
  DateTime trueSolar;                   // local true solar time
  Moment chinaStandard = 0;             // the same instant in China standard time (UTC+8), for the 节
};

// The correction of a clock reading (years 1..2100, an existing date, hour
// 0..23, minute and second 0..59) at a longitude (-180..180, east positive) in
// an IANA zone. Throws std::invalid_argument naming the value that is out of
// range or the zone that is unknown.
TimeCorrection TrueSolarTimeOf(const DateTime& clock, double longitude, const std::string& zone);

}  // namespace velmora
