#include "readings/bazi_chart.h"

#include <stdexcept>

#include "readings/empty_branches.h"
#include "readings/weighted_elements.h"

namespace velmora {
namespace {

void CheckBirth(const CivilDate& date, int hour, int currentYear) {
  if (date.year < kFirstChartYear || date.year > kLastChartYear) {
    throw std::invalid_argument("birth year " + std::to_string(date.year) + " is outside 1..2100");
  }
  if (!IsExistingDate(date)) throw std::invalid_argument("birth date " + FormatDate(date) + " does not exist");
  if (hour < 0 || hour > 23) throw std::invalid_argument("birth hour " + std::to_string(hour) + " is outside 0..23");
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

}  // namespace

BaziChart ChartOf(const CivilDate& date, int hour, Sex sex, int currentYear) {
  CheckBirth(date, hour, currentYear);
  BaziChart chart;
  chart.clock = {date, hour};
  chart.charted = ChinaStandardTimeOf(date, hour);
  chart.sex = sex;
  chart.pillars = FourPillarsAt(chart.charted.time);
  chart.dayMaster = chart.pillars.day.stem;
  for (PillarPosition position : kPillarPositions) {
    chart.columns[static_cast<std::size_t>(position)] =
        ColumnOf(PillarAt(chart.pillars, position), chart.dayMaster, position == PillarPosition::Day);
  }
  chart.emptyBranches = EmptyBranchesOf(chart.pillars.day);
  chart.elementTenths = ElementTenths(chart.pillars);
  for (std::size_t e = 0; e < 5; ++e) {
    chart.seasonStates[e] = SeasonStateOf(static_cast<Element>(e), chart.pillars.month.branch);
  }
  chart.strength = StrengthOf(chart.pillars);
  chart.luck = LuckCycleOf(chart.charted.time, chart.pillars, sex);
  chart.years = YearFortunesFrom(currentYear, chart.dayMaster, date.year);
  chart.notes = ChartNotesOf(date, hour);
  chart.relations = BranchRelationsOf(chart.pillars);
  chart.score = ScoreOf(chart.pillars, chart.elementTenths, chart.strength, chart.relations);
  return chart;
}

}  // namespace velmora
