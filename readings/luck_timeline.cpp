#include "readings/luck_timeline.h"

#include "calendar/cycle_math.h"

namespace velmora {
namespace {

constexpr int kSpringStart = 3;  // 立春; the 节 are the odd terms after it, then 小寒 (1) of the next year

}  // namespace

LuckTimeline LuckTimelineOf(const LuckCycle& luck, const FourPillars& pillars, int birthYear, int currentYear) {
  LuckTimeline timeline;
  const int dayMaster = pillars.day.stem;
  const int step = luck.forward ? 1 : -1;
  for (int year = birthYear; year < luck.pillars[0].startYear; ++year) {
    const int nominalAge = year - birthYear + 1;
    const Pillar minor = Pillar::OfCycleIndex(pillars.hour.CycleIndex() + step * nominalAge);
    timeline.beforeLuck.push_back({YearFortuneOf(year, dayMaster, birthYear), minor, TenGodOf(dayMaster, minor.stem)});
  }
  for (std::size_t k = 0; k < luck.pillars.size(); ++k) {
    const int first = luck.pillars[k].startYear;
    for (int i = 0; i < 10; ++i) timeline.byLuck[k][static_cast<std::size_t>(i)] = YearFortuneOf(first + i, dayMaster, birthYear);
    if (currentYear >= first && currentYear < first + 10) timeline.currentLuck = k;
  }
  timeline.currentYear = currentYear;
  if (currentYear >= birthYear) timeline.currentFlowYear = YearFortuneOf(currentYear, dayMaster, birthYear);
  const Pillar year = YearPillarOf(currentYear);
  const int firstMonthStem = (year.stem % 5) * 2 + 2;  // 五虎遁: the stem of the 寅 month
  for (int m = 0; m < 12; ++m) {
    FlowMonth& month = timeline.months[static_cast<std::size_t>(m)];
    month.pillar = {FloorMod(firstMonthStem + m, 10), (2 + m) % 12};
    month.stemGod = TenGodOf(dayMaster, month.pillar.stem);
    const int termYear = m < 11 ? currentYear : currentYear + 1;
    const int n = m < 11 ? kSpringStart + 2 * m : 1;
    month.jie = {termYear, n, TermMoment(termYear, n)};
  }
  return timeline;
}

}  // namespace velmora
