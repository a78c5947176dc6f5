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

std::vector<ChartNote> NotesOf(const BirthInput& input, const ChartTime& time, bool withDisputedWeek) {
  const FourPillars chart = PillarsOf(time);
  const DateTime& charted = time.instant.time;
  std::vector<ChartNote> notes;
  switch (time.instant.clock) {
    case ClockHour::Standard:
      break;
    case ClockHour::DaylightSaving:
      notes.push_back(NoteOf(NoteKind::DaylightSaving, charted, chart, PillarsOf(ShiftedHour(time, 1))));
      break;
    case ClockHour::Skipped:
    case ClockHour::Repeated:
      notes.push_back(NoteOf(time.instant.clock == ClockHour::Skipped ? NoteKind::SkippedClockHour
                                                                      : NoteKind::RepeatedClockHour,
                             charted, chart, PillarsOf(ShiftedHour(time, -1))));
      break;
  }
  if (withDisputedWeek && input.zone == kChinaZone && DaylightSavingStartDisputed(input.clock)) {
    notes.push_back(NoteOf(NoteKind::DisputedDaylightSaving, charted, chart, PillarsOf(ShiftedHour(time, -1))));
  }
  if (time.correction) {
    ChartTime standard = time;
    standard.local = charted;
    notes.push_back(NoteOf(NoteKind::TrueSolarTime, time.local, chart, PillarsOf(standard)));
  }

  const Moment birth = MomentOf(charted);
  const TermInstant last = JieAtOrBefore(birth), next = JieAfter(birth);
  const bool nearLast = birth - last.moment <= kNearJieSeconds;
  if (nearLast || next.moment - birth <= kNearJieSeconds) {
    const TermInstant& jie = nearLast ? last : next;
    ChartNote note = NoteOf(NoteKind::NearJie, *DateTimeOf(jie.moment), chart,
                            AcrossJie(chart, nearLast ? jie.moment - 1 : jie.moment));
    note.jie = jie;
    notes.push_back(note);
  }

  if (time.local.hour == 23) {
    FourPillars other = chart;
    other.day = DayPillarOf(time.local.date);
    notes.push_back(NoteOf(NoteKind::LateRatHour, time.local, chart, other));
  }
  return notes;
}

}  // namespace

std::vector<ChartNote> ChartNotesOf(const BirthInput& input, const ChartTime& time) {
  return NotesOf(input, time, true);
}

std::vector<ChartNote> ChartNotesOf(const CivilDate& date, int hour) {
  BirthInput input;
  input.clock = {date, hour};
  return NotesOf(input, ChartTimeOf(input), false);
}

}  // namespace velmora
