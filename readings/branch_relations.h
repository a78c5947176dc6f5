#pragma once
// The relations among pillars: of the stems, 天干五合 (甲己 乙庚 丙辛 丁壬 戊癸)
// and 天干相冲 (甲庚 乙辛 丙壬 丁癸); of the branches, 六合 (子丑 寅亥 卯戌 辰酉
// 巳申 午未), 三合 (申子辰 亥卯未 寅午戌 巳酉丑, all three present), 半合 (two
// of a 三合 frame, one of them its middle 子午卯酉, the third absent), 三会
// (寅卯辰 巳午未 申酉戌 亥子丑, all three), 六冲 (branches six apart), 六害 (子未
// 丑午 寅巳 卯辰 申亥 酉戌), 三刑 (寅巳申 and 丑戌未: all three, or each pair of
// them present; and 子卯), 自刑 (辰午酉亥 twice) and 相破 (子酉 卯午 辰丑 未戌
// 寅亥 巳申). A combination names the element it turns to (午未 as 土).
//
// The score weighs only 六合, 三合 and 六冲 among the four pillars
// (BranchRelationsOf).

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/pillar_positions.h"

namespace velmora {

enum class RelationKind {
  StemCombination,  // 天干五合
  StemClash,        // 天干相冲
  SixHarmony,       // 六合
  ThreeHarmony,     // 三合
  HalfHarmony,      // 半合
  ThreeMeeting,     // 三会
  Clash,            // 六冲
  Harm,             // 六害
  Punishment,       // 三刑 (相刑)
  SelfPunishment,   // 自刑
  Destruction,      // 相破
};

struct PillarRelation {
  RelationKind kind = RelationKind::SixHarmony;
  std::vector<PillarPosition> positions;  // two, or three (the first of a repeated branch)
  std::optional<Element> element;         // what a combination turns to
};

struct PlacedPillar {
  PillarPosition position = PillarPosition::Year;
  Pillar pillar;
};

// Every relation among the pillars given: each pair in the order given (stem
// relations first, then the branches'), then the frames of three.
std::vector<PillarRelation> RelationsAmong(std::span<const PlacedPillar> pillars);
// The four pillars of a chart as placed pillars.
std::vector<PlacedPillar> PlacedPillarsOf(const FourPillars& pillars);

// 天干五合 … 相破 (GBK).
const std::string& RelationName(RelationKind kind);

// What the score weighs: 六合, 三合 and 六冲 among the four pillars, in the order above.
enum class BranchRelationKind { SixHarmony, ThreeHarmony, Clash };  // 六合 三合 六冲

struct BranchRelation {
  BranchRelationKind kind = BranchRelationKind::SixHarmony;
  std::vector<PillarPosition> positions;
};

std::vector<BranchRelation> BranchRelationsOf(const FourPillars& pillars);

// 六合 三合 六冲 (GBK).
const std::string& BranchRelationName(BranchRelationKind kind);

}  // namespace velmora
