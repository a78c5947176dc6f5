#include "readings/bazi_score.h"

#include <algorithm>
#include <cstdlib>

#include "readings/hidden_stems.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kEvenTenths = 16;
constexpr int kWorstSpread = 128;
constexpr int kDominantTenths = 32;

// numerator / denominator × points, rounded half up.
int Share(int points, int numerator, int denominator) {
  return (2 * points * numerator + denominator) / (2 * denominator);
}

ScoreItem ElementBalance(const std::array<int, 5>& tenths) {
  int spread = 0;
  for (int count : tenths) spread += std::abs(count - kEvenTenths);
  const int least = *std::min_element(tenths.begin(), tenths.end());
  const int most = *std::max_element(tenths.begin(), tenths.end());
  const ScoreReason reason = least == 0                ? ScoreReason::ElementMissing
                             : most >= kDominantTenths ? ScoreReason::ElementDominant
                                                       : ScoreReason::ElementsBalanced;
  return {ScorePart::ElementBalance, Share(30, kWorstSpread - spread, kWorstSpread), 30, reason};
}

ScoreItem StrengthBalance(const ChartStrength& strength) {
  const int off = std::abs(strength.score - kBalancedMiddle);
  const int reach = strength.score < kBalancedMiddle ? kBalancedMiddle : 100 - kBalancedMiddle;
  const StrengthVerdict verdict = strength.verdict;
  const ScoreReason reason = verdict == StrengthVerdict::Balanced ? ScoreReason::StrengthBalanced
                             : verdict == StrengthVerdict::Weak || verdict == StrengthVerdict::FollowWeak
                                 ? ScoreReason::TooWeak
                                 : ScoreReason::TooStrong;
  return {ScorePart::Strength, Share(30, reach - off, reach), 30, reason};
}

ScoreItem UsefulElement(const FourPillars& pillars, Element useful) {
  bool revealed = false, rooted = false, hidden = false;
  for (const Pillar* pillar : {&pillars.year, &pillars.month, &pillars.hour}) {
    revealed = revealed || StemElement(pillar->stem) == useful;
  }
  for (const Pillar* pillar : {&pillars.year, &pillars.month, &pillars.day, &pillars.hour}) {
    for (const HiddenStem& stem : HiddenStemsOf(pillar->branch)) {
      if (StemElement(stem.stem) != useful) continue;
      (stem.role == QiRole::Main ? rooted : hidden) = true;
    }
  }
  const int points = (revealed ? 10 : 0) + (rooted ? 10 : hidden ? 5 : 0);
  const ScoreReason reason = revealed && rooted ? ScoreReason::UsefulRevealedAndRooted
                             : revealed         ? ScoreReason::UsefulRevealed
                             : rooted           ? ScoreReason::UsefulRooted
                             : hidden           ? ScoreReason::UsefulHidden
                                                : ScoreReason::UsefulAbsent;
  return {ScorePart::UsefulElement, points, 20, reason};
}

ScoreItem Relations(const std::vector<BranchRelation>& relations) {
  int combined = 0, clashes = 0;
  for (const BranchRelation& relation : relations) {
    if (relation.kind == BranchRelationKind::SixHarmony) combined += 3;
    if (relation.kind == BranchRelationKind::ThreeHarmony) combined += 5;
    if (relation.kind == BranchRelationKind::Clash) clashes += 5;
  }
  const ScoreReason reason = relations.empty()      ? ScoreReason::BranchesQuiet
                             : combined > clashes   ? ScoreReason::BranchesHarmonious
                             : combined == clashes ? ScoreReason::BranchesMixed
                                                   : ScoreReason::BranchesClashing;
  return {ScorePart::BranchRelations, std::clamp(12 + combined - clashes, 0, 20), 20, reason};
}

}  // namespace

BaziScore ScoreOf(const FourPillars& pillars, const std::array<int, 5>& elementTenths,
                  const Judgement& judgement, const std::vector<BranchRelation>& relations) {
  BaziScore score;
  score.items = {ElementBalance(elementTenths), StrengthBalance(judgement.strength),
                 UsefulElement(pillars, judgement.gods.useful),
                 Relations(relations)};
  for (const ScoreItem& item : score.items) score.total += item.points;
  return score;
}

const std::string& ScorePartName(ScorePart part) {
  static const std::array<std::string, 4> names = {"五行平衡"_gbk, "日主强弱"_gbk, "用神"_gbk, "地支关系"_gbk};
  return names[static_cast<std::size_t>(part)];
}

}  // namespace velmora
