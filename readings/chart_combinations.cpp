#include "readings/chart_combinations.h"

#include <algorithm>
#include <array>

#include "text/gbk.h"

namespace velmora {
namespace {

struct GroupShape {
  std::array<int, 3> branches;
  Element element;
  bool directional;
};

constexpr GroupShape kGroups[8] = {
    {{2, 3, 4}, Element::Wood, true},    {{5, 6, 7}, Element::Fire, true},   // 寅卯辰 巳午未
    {{8, 9, 10}, Element::Metal, true},  {{11, 0, 1}, Element::Water, true}, // 申酉戌 亥子丑
    {{8, 0, 4}, Element::Water, false},  {{11, 3, 7}, Element::Wood, false}, // 申子辰 亥卯未
    {{2, 6, 10}, Element::Fire, false},  {{5, 9, 1}, Element::Metal, false}, // 寅午戌 巳酉丑
};

bool HasBranch(const FourPillars& pillars, int branch) {
  return std::any_of(std::begin(kPillarPositions), std::end(kPillarPositions),
                     [&](PillarPosition p) { return PillarAt(pillars, p).branch == branch; });
}

}  // namespace

ChartCombinations CombinationsOf(const FourPillars& pillars) {
  ChartCombinations found;
  const Element season = BranchElement(pillars.month.branch);
  std::array<int, 4> partners{};  // how many combinations each stem is in
  for (int i = 0; i + 1 < 4; ++i) {
    const int a = PillarAt(pillars, kPillarPositions[i]).stem, b = PillarAt(pillars, kPillarPositions[i + 1]).stem;
    if ((a - b + 10) % 10 != 5) continue;
    StemCombination pair;
    pair.first = kPillarPositions[i];
    pair.second = kPillarPositions[i + 1];
    pair.into = StemElement((2 * (a % 5) + 4) % 10);  // 甲己 → 戊 土, 乙庚 → 庚 金, …
    pair.withDayMaster = pair.first == PillarPosition::Day || pair.second == PillarPosition::Day;
    ++partners[static_cast<std::size_t>(i)];
    ++partners[static_cast<std::size_t>(i + 1)];
    found.stems.push_back(pair);
  }
  for (StemCombination& pair : found.stems) {
    const bool contested = partners[static_cast<std::size_t>(pair.first)] > 1 ||
                           partners[static_cast<std::size_t>(pair.second)] > 1;
    pair.transforms = !pair.withDayMaster && !contested && pair.into == season;
  }
  for (const GroupShape& shape : kGroups) {
    if (!std::all_of(shape.branches.begin(), shape.branches.end(), [&](int b) { return HasBranch(pillars, b); })) {
      continue;
    }
    BranchGroup group{shape.directional, shape.element, false, {}};
    for (const PillarPosition position : kPillarPositions) {
      const int branch = PillarAt(pillars, position).branch;
      if (std::find(shape.branches.begin(), shape.branches.end(), branch) != shape.branches.end()) {
        group.positions.push_back(position);
        group.transforms = group.transforms || position == PillarPosition::Month;
      }
    }
    found.branches = group;
    break;
  }
  return found;
}

const std::string& BranchGroupName(bool directional) { return directional ? "三会"_gbk : "三合"_gbk; }

}  // namespace velmora
