#pragma once
// The luck pillars (大运): ten-year pillars that walk on from the month pillar,
// forward for a man born in a yang year (甲丙戊庚壬) or a woman born in a yin
// year, backward otherwise.
//
// They start after the interval between the birth and the next 节 (forward)
// or the last one (backward), reckoned 3 days = 1 year, 1 day = 4 months,
// 2 hours = 10 days: a second of the interval is 120 seconds of life, counted
// in years of 12 months and months of 30 days, the part of a day left over
// dropped. Ages are 周岁 (completed years): luck pillar k starts at the exact
// age (years + 10k, months, days), on the civil date the birth date reaches
// it (the years and months added with the day kept, or moved back to the
// month's last day, then the days).

#include <array>
#include <string>

#include "calendar/civil_moment.h"
#include "calendar/four_pillars.h"
#include "calendar/term_moments.h"
#include "readings/ten_gods.h"

namespace velmora {

enum class Sex { Male, Female };

struct AgeSpan {
  int years = 0;
  int months = 0;
  int days = 0;
  auto operator<=>(const AgeSpan&) const = default;
};

struct LuckPillar {
  Pillar pillar;
  TenGod stemGod = TenGod::Companion;  // of its stem, against the day master
  int startYear = 0;                   // the civil year it starts in
  int startAge = 0;                    // 周岁 when it starts
};

struct LuckCycle {
  bool forward = true;
  TermInstant jie;      // the 节 the interval runs to (forward) or from (backward)
  Moment interval = 0;  // seconds between the birth and that 节
  AgeSpan startAge;
  CivilDate startDate;
  std::array<LuckPillar, 8> pillars;
};

// `birth` is the moment charted (China standard time, an existing date).
LuckCycle LuckCycleOf(const DateTime& birth, const FourPillars& pillars, Sex sex);

// The age a second count of the interval stands for.
AgeSpan StartAgeOf(Moment interval);

// 顺行 or 逆行 (GBK).
const std::string& LuckDirectionName(bool forward);
// 周岁, the way the ages are counted (GBK).
const std::string& AgeReckoningName();

}  // namespace velmora
