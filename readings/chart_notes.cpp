#include "readings/chart_notes.h"

#include "calendar/day_number.h"

namespace velmora {
namespace {

ChartNote NoteOf(NoteKind kind, const DateTime& moment, const FourPillars& chart, const FourPillars& other) {
  ChartNote note{kind, moment, {}, other, {}};
  for (PillarPosition position : kPillarPositions) {
    if (PillarAt(chart, position) != PillarAt(other, position)) note.changed.push_back(position);
  }
  return note;
}

// The other side of a 节 moves the year and month pillars only.
FourPillars AcrossJie(const FourPillars& chart, Moment otherSide) {
  const FourPillars across = FourPillarsAt(*DateTimeOf(otherSide));
  FourPillars other = chart;
  other.year = across.year;
  other.month = across.month;
  return other;
}

}  // namespace

std::vector<ChartNote> ChartNotesOf(const CivilDate& date, int hour) {
  const StandardTime charted = ChinaStandardTimeOf(date, hour);
  const FourPillars chart = FourPillarsAt(charted.time);
  std::vector<ChartNote> notes;
  switch (charted.clock) {
    case ClockHour::Standard:
      break;
    case ClockHour::DaylightSaving:
      notes.push_back(NoteOf(NoteKind::DaylightSaving, charted.time, chart, FourPillarsAt({date, hour})));
      break;
    case ClockHour::Skipped:
    case ClockHour::Repeated:
      notes.push_back(NoteOf(charted.clock == ClockHour::Skipped ? NoteKind::SkippedClockHour
                                                                 : NoteKind::RepeatedClockHour,
                             charted.time, chart, FourPillarsAt({date, hour - 1})));
      break;
  }

  const Moment birth = MomentOf(charted.time);
  const TermInstant last = JieAtOrBefore(birth), next = JieAfter(birth);
  const bool nearLast = birth - last.moment <= kNearJieSeconds;
  if (nearLast || next.moment - birth <= kNearJieSeconds) {
    const TermInstant& jie = nearLast ? last : next;
    ChartNote note = NoteOf(NoteKind::NearJie, *DateTimeOf(jie.moment), chart,
                            AcrossJie(chart, nearLast ? jie.moment - 1 : jie.moment));
    note.jie = jie;
    notes.push_back(note);
  }

  if (charted.time.hour == 23) {
    FourPillars other = chart;
    other.day = DayPillarOf(charted.time.date);
    notes.push_back(NoteOf(NoteKind::LateRatHour, charted.time, chart, other));
  }
  return notes;
}

}  // namespace velmora
