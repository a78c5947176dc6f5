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
//   then the daylight-saving one;
// - a birth in the week of 1988-04-10 02:00 to 04-17 02:00, when sources
//   disagree on the start of that summer's daylight saving: charted at the tz
//   database's start (04-17, so standard time); the other reading is the
//   clock one hour ahead from 04-10.
// - a birth charted at a place: the day and hour pillars by local true solar
//   time; the other reading is China standard time throughout.
// With a place, the 节 is compared with the instant of birth and the 23:00
// change with the local true solar time (readings/birth_input.h).

#include <vector>

#include "calendar/china_daylight_saving.h"
#include "calendar/civil_moment.h"
#include "calendar/four_pillars.h"
#include "calendar/term_moments.h"
#include "readings/birth_input.h"
#include "readings/pillar_positions.h"

namespace velmora {

enum class NoteKind {
  DaylightSaving,
  SkippedClockHour,
  RepeatedClockHour,
  DisputedDaylightSaving,
  TrueSolarTime,
  NearJie,
  LateRatHour,
};

inline constexpr Moment kNearJieSeconds = 2 * kSecondsPerHour;

struct ChartNote {
  NoteKind kind = NoteKind::NearJie;
  DateTime moment;  // NearJie: the 节 moment, to the second; LateRatHour: the local time; else the standard time
  TermInstant jie;  // NearJie: the 节
  FourPillars otherReading;
  std::vector<PillarPosition> changed;  // where the other reading differs (may be none)
};

// The notes of a birth charted at `time`, daylight-saving notes first, then
// the 节, then 23:00.
std::vector<ChartNote> ChartNotesOf(const BirthInput& input, const ChartTime& time);
// The notes of a birth at hour:00 (0..23) of an existing civil date as the
// clock showed it, as the five-element reading gives them: without the
// disputed week of 1988.
std::vector<ChartNote> ChartNotesOf(const CivilDate& date, int hour);

}  // namespace velmora
