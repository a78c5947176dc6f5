#pragma once
// Where schools would draw a birth's chart differently, so that a reading can
// say so and name the pillar that would change:
// - a birth within two hours of a 节 moment: the chart of the other side of
//   the 节 (the month pillar; at 立春 the year pillar too);
// - a birth at 23:00 (standard time): the day pillar of schools that change
//   the day only at midnight;
// - a birth in China's daylight-saving summers: charted at standard time, one
//   hour earlier; the other reading is the clock hour as written. A clock hour
//   that did not exist or came twice is taken as written; the other reading is
//   then the daylight-saving one.

#include <vector>

#include "calendar/china_daylight_saving.h"
#include "calendar/civil_moment.h"
#include "calendar/four_pillars.h"
#include "calendar/term_moments.h"
#include "readings/pillar_positions.h"

namespace velmora {

enum class NoteKind { DaylightSaving, SkippedClockHour, RepeatedClockHour, NearJie, LateRatHour };

inline constexpr Moment kNearJieSeconds = 2 * kSecondsPerHour;

struct ChartNote {
  NoteKind kind = NoteKind::NearJie;
  DateTime moment;  // NearJie: the 节 moment, to the second; otherwise the standard time charted
  TermInstant jie;  // NearJie: the 节
  FourPillars otherReading;
  std::vector<PillarPosition> changed;  // where the other reading differs (may be none)
};

// The notes of a birth at hour:00 (0..23) of an existing civil date as the
// clock showed it, daylight-saving notes first, then the 节, then 23:00.
std::vector<ChartNote> ChartNotesOf(const CivilDate& date, int hour);

}  // namespace velmora
