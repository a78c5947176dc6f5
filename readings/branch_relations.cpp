#include "readings/branch_relations.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "calendar/cycle_math.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// What combining stems turn to, by the lower stem of 甲己 乙庚 丙辛 丁壬 戊癸.
constexpr Element kStemCombination[5] = {Element::Earth, Element::Metal, Element::Water, Element::Wood, Element::Fire};
// What 六合 turn to, by the lower branch of 子丑 寅亥 卯戌 辰酉 巳申 午未 (1 is no lower branch).
constexpr Element kSixHarmony[7] = {Element::Earth, Element::Earth, Element::Wood, Element::Fire,
                                    Element::Metal, Element::Water, Element::Earth};
// The 三合 frames by their first branch 申 巳 寅 亥 (members 4 apart, the middle
// one 子 酉 午 卯 naming the element); the 三会 by their first 寅 巳 申 亥.
constexpr int kFrames[4] = {8, 5, 2, 11};
constexpr int kMeetings[4] = {2, 5, 8, 11};
// 寅巳申 and 丑戌未 punish each other in turn; 子卯 as a pair.
constexpr std::array<int, 3> kPunishments[2] = {{2, 5, 8}, {1, 10, 7}};
constexpr int kRat = 0, kRabbit = 3;

bool IsMiddle(int branch) { return branch % 3 == 0; }  // 子 卯 午 酉
// The member of a 三合 frame that x and y (two others of it) leave.
int ThirdOfFrame(int x, int y) { return FloorMod(3 * (x % 4) - x - y, 12); }
bool IsSelfPunishing(int branch) { return branch == 4 || branch == 6 || branch == 9 || branch == 11; }

const PlacedPillar* FirstWithBranch(std::span<const PlacedPillar> pillars, int branch) {
  const auto found =
      std::find_if(pillars.begin(), pillars.end(), [branch](const PlacedPillar& p) { return p.pillar.branch == branch; });
  return found == pillars.end() ? nullptr : &*found;
}

bool HasBranch(std::span<const PlacedPillar> pillars, int branch) { return FirstWithBranch(pillars, branch) != nullptr; }

// Where all three branches stand (the first of each), or nothing.
std::optional<std::vector<PillarPosition>> AllThree(std::span<const PlacedPillar> pillars, std::array<int, 3> branches) {
  std::vector<PillarPosition> positions;
  for (int branch : branches) {
    const PlacedPillar* placed = FirstWithBranch(pillars, branch);
    if (!placed) return std::nullopt;
    positions.push_back(placed->position);
  }
  return positions;
}

bool IsPunishmentPair(int x, int y, std::span<const PlacedPillar> all) {
  if ((x == kRat && y == kRabbit) || (x == kRabbit && y == kRat)) return true;
  for (const std::array<int, 3>& group : kPunishments) {
    const bool both = x != y && std::count(group.begin(), group.end(), x) && std::count(group.begin(), group.end(), y);
    if (both && !AllThree(all, group)) return true;
  }
  return false;
}

void AddPair(std::vector<PillarRelation>& relations, const PlacedPillar& a, const PlacedPillar& b,
             std::span<const PlacedPillar> all) {
  const std::vector<PillarPosition> pair = {a.position, b.position};
  auto add = [&](RelationKind kind, std::optional<Element> element = std::nullopt) {
    relations.push_back({kind, pair, element});
  };
  const int s = a.pillar.stem, t = b.pillar.stem;
  if (std::abs(s - t) == 5) add(RelationKind::StemCombination, kStemCombination[std::min(s, t)]);
  if (std::abs(s - t) == 6 && std::min(s, t) < 4) add(RelationKind::StemClash);
  const int x = a.pillar.branch, y = b.pillar.branch;
  if ((x + y) % 12 == 1) add(RelationKind::SixHarmony, kSixHarmony[std::min(x, y)]);
  if (x != y && FloorMod(x - y, 4) == 0 && (IsMiddle(x) || IsMiddle(y)) && !HasBranch(all, ThirdOfFrame(x, y))) {
    add(RelationKind::HalfHarmony, BranchElement(IsMiddle(x) ? x : y));
  }
  if (FloorMod(x - y, 12) == 6) add(RelationKind::Clash);
  if ((x + y) % 12 == 7) add(RelationKind::Harm);
  if (IsPunishmentPair(x, y, all)) add(RelationKind::Punishment);
  if (x == y && IsSelfPunishing(x)) add(RelationKind::SelfPunishment);
  if ((x % 2 == 0 && FloorMod(x - 3, 12) == y) || (y % 2 == 0 && FloorMod(y - 3, 12) == x)) add(RelationKind::Destruction);
}

}  // namespace

std::vector<PillarRelation> RelationsAmong(std::span<const PlacedPillar> pillars) {
  std::vector<PillarRelation> relations;
  for (std::size_t i = 0; i < pillars.size(); ++i) {
    for (std::size_t j = i + 1; j < pillars.size(); ++j) AddPair(relations, pillars[i], pillars[j], pillars);
  }
  for (int first : kFrames) {
    if (auto positions = AllThree(pillars, {first, (first + 4) % 12, (first + 8) % 12})) {
      relations.push_back({RelationKind::ThreeHarmony, std::move(*positions), BranchElement((first + 4) % 12)});
    }
  }
  for (int first : kMeetings) {
    if (auto positions = AllThree(pillars, {first, (first + 1) % 12, (first + 2) % 12})) {
      relations.push_back({RelationKind::ThreeMeeting, std::move(*positions), BranchElement((first + 1) % 12)});
    }
  }
  for (const std::array<int, 3>& group : kPunishments) {
    if (auto positions = AllThree(pillars, group)) {
      relations.push_back({RelationKind::Punishment, std::move(*positions), std::nullopt});
    }
  }
  return relations;
}

std::vector<PlacedPillar> PlacedPillarsOf(const FourPillars& pillars) {
  std::vector<PlacedPillar> placed;
  for (const PillarPosition position : kPillarPositions) placed.push_back({position, PillarAt(pillars, position)});
  return placed;
}

const std::string& RelationName(RelationKind kind) {
  static const std::array<std::string, 11> names = {"天干五合"_gbk, "天干相冲"_gbk, "六合"_gbk, "三合"_gbk,
                                                    "半合"_gbk,     "三会"_gbk,     "六冲"_gbk, "六害"_gbk,
                                                    "三刑"_gbk,     "自刑"_gbk,     "相破"_gbk};
  return names[static_cast<std::size_t>(kind)];
}

std::vector<BranchRelation> BranchRelationsOf(const FourPillars& pillars) {
  std::vector<BranchRelation> weighed;
  for (PillarRelation& relation : RelationsAmong(PlacedPillarsOf(pillars))) {
    if (relation.kind == RelationKind::SixHarmony) weighed.push_back({BranchRelationKind::SixHarmony, relation.positions});
    if (relation.kind == RelationKind::Clash) weighed.push_back({BranchRelationKind::Clash, relation.positions});
    if (relation.kind == RelationKind::ThreeHarmony) {
      weighed.push_back({BranchRelationKind::ThreeHarmony, relation.positions});
    }
  }
  return weighed;
}

const std::string& BranchRelationName(BranchRelationKind kind) {
  static const std::array<std::string, 3> names = {"六合"_gbk, "三合"_gbk, "六冲"_gbk};
  return names[static_cast<std::size_t>(kind)];
}

}  // namespace velmora
