#pragma once
// 八字评分: a chart's score out of 100 from four parts, each with its points
// and a reason code (the words are the caller's).
//
// - Element balance, 30: the weighted counts (tenths, 80 in all) against an
//   even 16 each: 30 × (1 − Σ|count − 16| / 128), 128 being all in one element.
//   Reason: an element missing (0), one dominating (32 or more, two fifths), or balanced.
// - Day-master strength, 30: the strength score (readings/strength_method.h)
//   against the middle of its 中和 band, kBalancedMiddle: 30 × (1 − distance /
//   reach), the reach being that middle on the weak side and 100 less it on
//   the strong side, so 0 and 100 both give nothing. Reason: the verdict (中和;
//   偏强, 从强 and 专旺 too strong; 偏弱 and 从弱 too weak).
// - 用神 present, 20: the judgement's 用神; 10 when it stands among the year, month or hour stems
//   (透干), 10 when it is a branch's main qi (有根), else 5 when it is only a
//   middle or residual qi.
// - Branch relations, 20: 12, plus 3 for each 六合 and 5 for each 三合, minus 5
//   for each 六冲, kept within 0..20.
// Each part is rounded half up; the total is their sum.

#include <array>
#include <string>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/branch_relations.h"
#include "readings/judgement.h"

namespace velmora {

inline constexpr int kBalancedMiddle = (kBalancedFrom + kBalancedUpTo) / 2;

enum class ScorePart { ElementBalance, Strength, UsefulElement, BranchRelations };

enum class ScoreReason {
  ElementMissing,
  ElementDominant,
  ElementsBalanced,
  StrengthBalanced,
  TooStrong,
  TooWeak,
  UsefulRevealedAndRooted,
  UsefulRevealed,
  UsefulRooted,
  UsefulHidden,
  UsefulAbsent,
  BranchesQuiet,       // no relation at all
  BranchesHarmonious,  // the combinations outweigh the clashes
  BranchesMixed,       // combinations and clashes weigh the same
  BranchesClashing,
};

struct ScoreItem {
  ScorePart part = ScorePart::ElementBalance;
  int points = 0;
  int maxPoints = 0;
  ScoreReason reason = ScoreReason::ElementsBalanced;
};

struct BaziScore {
  int total = 0;
  std::array<ScoreItem, 4> items;
};

BaziScore ScoreOf(const FourPillars& pillars, const std::array<int, 5>& elementTenths,
                  const Judgement& judgement, const std::vector<BranchRelation>& relations);

// 五行平衡 日主强弱 用神 地支关系 (GBK).
const std::string& ScorePartName(ScorePart part);

}  // namespace velmora
