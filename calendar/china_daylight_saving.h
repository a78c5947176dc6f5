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

// The standard time of a clock reading of an existing date (hour 0..23; the
// minutes and seconds go along: the kind of hour depends on the hour alone).
StandardTime ChinaStandardTimeOf(const DateTime& clock);
// The same at hour:00.
StandardTime ChinaStandardTimeOf(const CivilDate& date, int hour);

// Sources disagree on when daylight saving began in 1988: the tz database
// (whose dates this file follows) has 04-17, other published tables 04-10. A
// clock reading from 1988-04-10 02:00 to 04-17 01:59 is standard time by the
// first reading and an hour ahead of it by the second; the chart names both.
bool DaylightSavingStartDisputed(const DateTime& clock);

}  // namespace velmora
