#pragma once
// The years ahead (流年): each civil year's pillar (the pillar its 立春 opens)
// with the ten god of its stem against the day master.

#include <array>

#include "calendar/four_pillars.h"
#include "readings/ten_gods.h"

namespace velmora {

struct YearFortune {
  int year = 0;
  Pillar pillar;
  TenGod stemGod = TenGod::Companion;
  int age = 0;  // 周岁 reached in that year
};

// Ten years from `firstYear` on.
std::array<YearFortune, 10> YearFortunesFrom(int firstYear, int dayMaster, int birthYear);

}  // namespace velmora
