#pragma once
// How strong the day master is and which elements it wants (扶抑, supporting
// the weak and restraining the strong).
//
// Score: the share, 0..100, of the chart's weight that supports the day
// master (its own element, 比劫, and the element generating it, 印). The day
// stem itself is left out; the other stems weigh 1, the branches 1 (year,
// hour), 1.5 (day, the day master's seat) and 3 (month: the season, 月令, rules
// the chart), each branch shared among its hidden stems. Strong (身强) from 50.
//
// 用神 and 喜神: a weak day master takes 印 as 用神 and 比劫 as 喜神, unless
// 财 is the heaviest drain (比劫 hold wealth off), then the other way round. A
// strong one whose support comes mostly from 印 takes 财 (which breaks 印) as
// 用神 and 食伤 (which feeds 财) as 喜神; otherwise 官杀 (which restrains 比劫)
// as 用神 and 财 (which feeds 官杀) as 喜神.

#include <array>
#include <string>

#include "calendar/four_pillars.h"
#include "readings/element_cycle.h"

namespace velmora {

struct DayMasterStrength {
  std::array<int, 5> byRelation{};  // weight × tenths, indexed by ElementRelation to the day master
  int support = 0;                  // 比劫 + 印
  int total = 0;
  int score = 0;  // support / total × 100, rounded
  bool strong = false;
  Element useful = Element::Wood;      // 用神
  Element favourable = Element::Wood;  // 喜神
};

DayMasterStrength StrengthOf(const FourPillars& pillars);

// 身强 or 身弱 (GBK).
const std::string& StrengthName(bool strong);

}  // namespace velmora
