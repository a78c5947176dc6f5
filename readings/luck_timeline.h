#pragma once
// The luck of a life year by year: the years before the first luck pillar
// with their minor luck (小运), the ten years (流年) of each luck pillar (大运),
// which 大运 and 流年 the current year brings, and the twelve months (流月) of
// the current year.
//
// Conventions: the ten 流年 of a 大运 are the civil years from the one it
// starts in (the year of the change belongs to the new pillar), so every age
// shown is at least 0 and every 流年 lies inside the 大运 it is listed under.
// 小运 walks from the hour pillar one step a year in the direction of the 大运,
// 虚岁 1 (the birth year) being the first step. 流月 run from the 寅 month that
// 立春 of the current year opens to the 丑 month of the next 小寒, their stems
// by 五虎遁 from the year's stem.

#include <array>
#include <optional>
#include <vector>

#include "readings/luck_pillars.h"
#include "readings/year_fortunes.h"

namespace velmora {

struct MinorLuckYear {
  YearFortune year;
  Pillar minorLuck;
  TenGod minorGod = TenGod::Companion;  // of the 小运's stem
};

struct FlowMonth {
  Pillar pillar;
  TenGod stemGod = TenGod::Companion;
  TermInstant jie;  // the 节 that opens it
};

struct LuckTimeline {
  std::vector<MinorLuckYear> beforeLuck;              // the birth year up to the first 大运
  std::array<std::array<YearFortune, 10>, 8> byLuck;  // the ten years of each 大运
  int currentYear = 0;
  std::optional<std::size_t> currentLuck;      // the 大运 the current year lies in
  std::optional<YearFortune> currentFlowYear;  // none before the birth year
  std::array<FlowMonth, 12> months;            // of the current year, 寅 to 丑
};

LuckTimeline LuckTimelineOf(const LuckCycle& luck, const FourPillars& pillars, int birthYear, int currentYear);

}  // namespace velmora
