#include "readings/bazi_chart.h"

#include <cmath>
#include <stdexcept>

#include "readings/empty_branches.h"
#include "readings/weighted_elements.h"

namespace velmora {
namespace {

void CheckBirth(const BirthInput& input, int currentYear) {
  const CivilDate& date = input.clock.date;
  if (date.year < kFirstChartYear || date.year > kLastChartYear) {
    throw std::invalid_argument("birth year " + std::to_string(date.year) + " is outside 1..2100");
  }
  if (!IsExistingDate(date)) throw std::invalid_argument("birth date " + FormatDate(date) + " does not exist");
  const int hour = input.clock.hour, minute = input.clock.minute;
  if (hour < 0 || hour > 23) throw std::invalid_argument("birth hour " + std::to_string(hour) + " is outside 0..23");
  if (minute < 0 || minute > 59 || (!input.hasMinute && minute != 0)) {
    throw std::invalid_argument("birth minute " + std::to_string(minute) + " is outside 0..59");
  }
  if (input.longitude && !(std::abs(*input.longitude) <= 180)) {
    throw std::invalid_argument("longitude " + std::to_string(*input.longitude) + " is outside -180..180");
  }
  if (currentYear < 1 || currentYear > 9999) {
    throw std::invalid_argument("current year " + std::to_string(currentYear) + " is outside 1..9999");
  }
}

ChartColumn ColumnOf(const Pillar& pillar, int dayMaster, bool isDayPillar) {
  ChartColumn column;
  column.pillar = pillar;
  if (!isDayPillar) column.stemGod = TenGodOf(dayMaster, pillar.stem);
  for (const HiddenStem& hidden : HiddenStemsOf(pillar.branch)) {
    column.hiddenStems.push_back({hidden.stem, hidden.role, TenGodOf(dayMaster, hidden.stem)});
  }
  column.nayin = NayinOf(pillar);
  column.stage = GrowthStageOf(dayMaster, pillar.branch);
  return column;
}

// The relations the current 大运 and 流年 bring: those among them and the chart that involve either.
std::vector<PillarRelation> CurrentRelations(const BaziChart& chart) {
  std::vector<PlacedPillar> placed = PlacedPillarsOf(chart.pillars);
  const LuckTimeline& timeline = chart.timeline;
  if (timeline.currentLuck) placed.push_back({PillarPosition::Luck, chart.luck.pillars[*timeline.currentLuck].pillar});
  if (timeline.currentFlowYear) placed.push_back({PillarPosition::FlowYear, timeline.currentFlowYear->pillar});
  std::vector<PillarRelation> current;
  for (PillarRelation& relation : RelationsAmong(placed)) {
    for (const PillarPosition position : relation.positions) {
      if (position == PillarPosition::Luck || position == PillarPosition::FlowYear) {
        current.push_back(std::move(relation));
        break;
      }
    }
  }
  return current;
}

}  // namespace

BaziChart ChartOf(const BirthInput& input, int currentYear) {
  CheckBirth(input, currentYear);
  BaziChart chart;
  chart.input = input;
  const ChartTime time = ChartTimeOf(input);
  chart.charted = time.instant;
  chart.correction = time.correction;
  chart.local = time.local;
  chart.pillars = PillarsOf(time);
  chart.dayMaster = chart.pillars.day.stem;
  const std::array<std::vector<ChartStar>, 4> stars = StarsOf(chart.pillars);
  for (PillarPosition position : kPillarPositions) {
    const auto at = static_cast<std::size_t>(position);
    chart.columns[at] = ColumnOf(PillarAt(chart.pillars, position), chart.dayMaster, position == PillarPosition::Day);
    chart.columns[at].stars = stars[at];
  }
  chart.emptyBranches = EmptyBranchesOf(chart.pillars.day);
  chart.elementTenths = ElementTenths(chart.pillars);
  for (std::size_t e = 0; e < 5; ++e) {
    chart.seasonStates[e] = SeasonStateOf(static_cast<Element>(e), chart.pillars.month.branch);
  }
  chart.palaces = PalacesOf(chart.pillars);
  chart.judgement = JudgementOf(chart.pillars);
  chart.luck = LuckCycleOf(chart.charted.time, chart.pillars, input.sex);
  chart.timeline = LuckTimelineOf(chart.luck, chart.pillars, input.clock.date.year, currentYear);
  chart.notes = ChartNotesOf(input, time);
  chart.pillarRelations = RelationsAmong(PlacedPillarsOf(chart.pillars));
  chart.currentRelations = CurrentRelations(chart);
  chart.relations = BranchRelationsOf(chart.pillars);
  chart.score = ScoreOf(chart.pillars, chart.elementTenths, chart.judgement, chart.relations);
  return chart;
}

}  // namespace velmora
