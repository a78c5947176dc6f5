#pragma once
// Local true solar time of a birth read off a clock at a place: the zone's
// standard time (daylight saving removed), 4 minutes per degree east of the
// zone's meridian (local mean solar time), and the equation of time of the
// day (local true solar time). The date may roll over.
//
// TEMPORARY STAND-IN, kept only on this branch until the place table and the
// time-zone reading of the installation land: it knows China standard time
// (Asia/Shanghai, with China's daylight-saving summers) and no other zone, and
// takes the equation of time from a short Fourier series (within about 30 s).

#include <string>
#include <vector>

#include "calendar/civil_moment.h"

namespace velmora {

struct TimeCorrection {
  DateTime clock;               // as entered (with minutes)
  DateTime standard;            // the zone's standard time: daylight saving removed
  int zoneOffsetMinutes = 480;  // standard offset east of UTC at that date
  double longitude = 0;         // degrees east
  double longitudeMinutes = 0;  // 4 min per degree east of the zone's meridian
  DateTime mean;                // local mean solar time
  double equationMinutes = 0;   // equation of time of that day
  DateTime trueSolar;           // local true solar time (the date may roll over)
  Moment chinaStandard = 0;     // the same instant in China standard time, for 节 comparisons
  bool daylightSavingRemoved = false;
};

// Throws std::invalid_argument for a date that does not exist, a time out of
// range, a longitude outside -180..180 or a zone it does not know.
TimeCorrection TrueSolarTimeOf(const DateTime& clock, double longitude, const std::string& zone);

}  // namespace velmora
