#pragma once
// Combinations and clashes among the four branches of a chart: 六合 (子丑 寅亥
// 卯戌 辰酉 巳申 午未), 三合 (申子辰 亥卯未 寅午戌 巳酉丑, all three present) and
// 六冲 (branches six apart: 子午 丑未 寅申 卯酉 辰戌 巳亥).

#include <string>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/pillar_positions.h"

namespace velmora {

enum class BranchRelationKind { SixHarmony, ThreeHarmony, Clash };  // 六合 三合 六冲

struct BranchRelation {
  BranchRelationKind kind = BranchRelationKind::SixHarmony;
  std::vector<PillarPosition> positions;  // two, or three for 三合 (the first of a repeated branch)
};

// Pairs in position order (year–month, year–day, … day–hour), then the 三合.
std::vector<BranchRelation> BranchRelationsOf(const FourPillars& pillars);

// 六合 三合 六冲 (GBK).
const std::string& BranchRelationName(BranchRelationKind kind);

}  // namespace velmora
