#pragma once
// The combinations that change what a chart's characters count as (合化):
// - 天干五合 of neighbouring stems (年月, 月日, 日时): 甲己 化土, 乙庚 化金,
//   丙辛 化水, 丁壬 化木, 戊癸 化火. A pair transforms when the element it
//   turns into rules the month (化神得令), neither stem is the day master and
//   neither is combined from its other side as well (争合 and 妒合 hold each
//   other back). A pair with the day master is named but never transforms:
//   the day master stays the one judged.
// - 地支三会 (寅卯辰 木, 巳午未 火, 申酉戌 金, 亥子丑 水) and 三合 (申子辰 水,
//   亥卯未 木, 寅午戌 火, 巳酉丑 金) with all three branches present. The
//   group transforms when the month branch is one of its three (the group
//   holds the season): every branch of it then counts wholly as the group's
//   element. Four branches hold at most one such group.

#include <optional>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/pillar_positions.h"

namespace velmora {

struct StemCombination {
  PillarPosition first = PillarPosition::Year;  // the earlier of two neighbours
  PillarPosition second = PillarPosition::Month;
  Element into = Element::Earth;
  bool transforms = false;
  bool withDayMaster = false;
};

struct BranchGroup {
  bool directional = false;  // 三会 (true) or 三合
  Element element = Element::Water;
  bool transforms = false;
  std::vector<PillarPosition> positions;  // every pillar whose branch belongs to the group
};

struct ChartCombinations {
  std::vector<StemCombination> stems;
  std::optional<BranchGroup> branches;
};

ChartCombinations CombinationsOf(const FourPillars& pillars);

// 三会 or 三合 (GBK).
const std::string& BranchGroupName(bool directional);

}  // namespace velmora
