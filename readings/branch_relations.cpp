#include "readings/branch_relations.h"

#include <array>
#include <optional>

#include "text/gbk.h"

namespace velmora {
namespace {

std::optional<PillarPosition> FirstWithBranch(const FourPillars& pillars, int branch) {
  for (PillarPosition position : kPillarPositions) {
    if (PillarAt(pillars, position).branch == branch) return position;
  }
  return std::nullopt;
}

}  // namespace

std::vector<BranchRelation> BranchRelationsOf(const FourPillars& pillars) {
  std::vector<BranchRelation> relations;
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) {
      const int a = PillarAt(pillars, kPillarPositions[i]).branch, b = PillarAt(pillars, kPillarPositions[j]).branch;
      const std::vector<PillarPosition> pair = {kPillarPositions[i], kPillarPositions[j]};
      if ((a + b) % 12 == 1) relations.push_back({BranchRelationKind::SixHarmony, pair});
      if ((a - b + 12) % 12 == 6) relations.push_back({BranchRelationKind::Clash, pair});
    }
  }
  // The frames 申子辰, 巳酉丑, 寅午戌, 亥卯未: the branches equal modulo 4.
  for (int first : {8, 5, 2, 11}) {
    std::vector<PillarPosition> frame;
    for (int member = 0; member < 3; ++member) {
      if (const auto position = FirstWithBranch(pillars, (first + 4 * member) % 12)) frame.push_back(*position);
    }
    if (frame.size() == 3) relations.push_back({BranchRelationKind::ThreeHarmony, frame});
  }
  return relations;
}

const std::string& BranchRelationName(BranchRelationKind kind) {
  static const std::array<std::string, 3> names = {"六合"_gbk, "三合"_gbk, "六冲"_gbk};
  return names[static_cast<std::size_t>(kind)];
}

}  // namespace velmora
