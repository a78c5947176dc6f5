#include "calendar/china_daylight_saving.h"

#include "calendar/civil_moment.h"

namespace velmora {
namespace {

// Clocks went forward at 02:00 standard time on `start` and back at 02:00
// daylight time (01:00 standard) on `end`. Source: the tz database's
// Asia/Shanghai (tzdata 2025b), as `zdump -v -c 1986,1992 Asia/Shanghai` prints it.
struct DaylightSavingPeriod {
  CivilDate start;
  CivilDate end;
};
constexpr DaylightSavingPeriod kPeriods[] = {
    {{1986, 5, 4}, {1986, 9, 14}},  {{1987, 4, 12}, {1987, 9, 13}}, {{1988, 4, 17}, {1988, 9, 11}},
    {{1989, 4, 16}, {1989, 9, 17}}, {{1990, 4, 15}, {1990, 9, 16}}, {{1991, 4, 14}, {1991, 9, 15}},
};
constexpr int kChangeHour = 2;
// The week between the two readings of 1988's start (the header says more).
constexpr DateTime kDisputedFrom{{1988, 4, 10}, kChangeHour};
constexpr DateTime kDisputedUntil{{1988, 4, 17}, kChangeHour};

ClockHour KindOf(const CivilDate& date, int hour) {
  for (const DaylightSavingPeriod& period : kPeriods) {
    if (date == period.start) {
      if (hour < kChangeHour) return ClockHour::Standard;
      return hour == kChangeHour ? ClockHour::Skipped : ClockHour::DaylightSaving;
    }
    if (date == period.end) {
      if (hour < kChangeHour - 1) return ClockHour::DaylightSaving;
      return hour == kChangeHour - 1 ? ClockHour::Repeated : ClockHour::Standard;
    }
    if (period.start < date && date < period.end) return ClockHour::DaylightSaving;
  }
  return ClockHour::Standard;
}

}  // namespace

StandardTime ChinaStandardTimeOf(const DateTime& clock) {
  const ClockHour kind = KindOf(clock.date, clock.hour);
  if (kind != ClockHour::DaylightSaving) return {clock, kind};
  return {*DateTimeOf(MomentOf(clock) - kSecondsPerHour), kind};
}

StandardTime ChinaStandardTimeOf(const CivilDate& date, int hour) { return ChinaStandardTimeOf(DateTime{date, hour}); }

bool DaylightSavingStartDisputed(const DateTime& clock) {
  return kDisputedFrom <= clock && clock < kDisputedUntil;
}

}  // namespace velmora
