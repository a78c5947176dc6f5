#pragma once
// The years of a life (流年): each civil year's pillar (the pillar its 立春
// opens) with the ten god of its stem against the day master, and the age in
// that year counted both ways: 周岁 (the birthdays reached in that civil year,
// 0 in the birth year) and 虚岁 (1 in the birth year, one more each year).

#include "calendar/four_pillars.h"
#include "readings/ten_gods.h"

namespace velmora {

struct YearFortune {
  int year = 0;
  Pillar pillar;
  TenGod stemGod = TenGod::Companion;
  int age = 0;          // 周岁 reached in that year
  int nominalAge = 0;   // 虚岁
};

// The year `year` of someone born in `birthYear` (not after it).
YearFortune YearFortuneOf(int year, int dayMaster, int birthYear);

}  // namespace velmora
