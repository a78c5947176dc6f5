#pragma once
// China's daylight-saving time of 1986-1991: from 02:00 on a spring Sunday to
// 02:00 on a September Sunday the clocks ran one hour ahead of standard time
// (UTC+8). A birth read off the clock in those summers is charted at standard
// time, one hour earlier.
//
// At the two changes the clock hour is no moment of its own: on the spring day
// 02:00-02:59 never showed, on the autumn day 01:00-01:59 showed twice. Both
// are taken as standard time as written (no shift), because shifting would
// guess; the kind of hour lets the reading say so.

#include "calendar/civil_date.h"

namespace velmora {

enum class ClockHour {
  Standard,        // standard time already
  DaylightSaving,  // one hour ahead: charted an hour earlier
  Skipped,         // 02:00-02:59 on the spring day, which no clock showed
  Repeated,        // 01:00-01:59 on the autumn day, which clocks showed twice
};

struct StandardTime {
  DateTime time;  // China standard time (UTC+8)
  ClockHour clock = ClockHour::Standard;
};

// The standard time of a clock reading at hour:00 (0..23) of an existing date.
StandardTime ChinaStandardTimeOf(const CivilDate& date, int hour);

}  // namespace velmora
