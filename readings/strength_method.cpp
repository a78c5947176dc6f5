#include "readings/strength_method.h"

#include <algorithm>

#include "readings/judgement_rules.h"
#include "readings/judgement_words.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// One weighed piece of the chart: a stem, or a branch's share for one hidden
// stem (or the whole branch when a 三会 or 三合 turns it).
struct Piece {
  PillarPosition position = PillarPosition::Year;
  bool branch = false;
  QiRole role = QiRole::Main;
  Element element = Element::Wood;
  int weight = 0;
};

bool InGroup(const ChartCombinations& combinations, PillarPosition position) {
  return combinations.branches && combinations.branches->transforms &&
         std::find(combinations.branches->positions.begin(), combinations.branches->positions.end(), position) !=
             combinations.branches->positions.end();
}

std::optional<Element> TransformedStem(const ChartCombinations& combinations, PillarPosition position) {
  for (const StemCombination& pair : combinations.stems) {
    if (pair.transforms && (pair.first == position || pair.second == position)) return pair.into;
  }
  return std::nullopt;
}

std::vector<Piece> PiecesOf(const FourPillars& pillars, const ChartCombinations& combinations) {
  std::vector<Piece> pieces;
  for (const PillarPosition position : kPillarPositions) {
    const Pillar& pillar = PillarAt(pillars, position);
    if (position != PillarPosition::Day) {
      const Element element = TransformedStem(combinations, position).value_or(StemElement(pillar.stem));
      pieces.push_back({position, false, QiRole::Main, element, kStemWeight});
    }
    const int weight = kBranchWeights[static_cast<std::size_t>(position)];
    if (InGroup(combinations, position)) {
      pieces.push_back({position, true, QiRole::Main, combinations.branches->element, weight});
      continue;
    }
    for (const HiddenStem& hidden : HiddenStemsOf(pillar.branch)) {
      pieces.push_back({position, true, hidden.role, StemElement(hidden.stem), weight * hidden.tenths / 10});
    }
  }
  return pieces;
}

bool Supports(ElementRelation relation) {
  return relation == ElementRelation::Same || relation == ElementRelation::Resource;
}

// The 专旺 rule of the day master's element.
const PatternRule* DominantRuleOf(Element element) {
  for (const PatternRule& rule : PatternRules()) {
    if (rule.method == PatternMethod::Dominant && rule.element == element) return &rule;
  }
  return nullptr;
}

// No branch holds 印 or 比劫 as its 本气, and no 印 or 比劫 among the stems
// stands on a branch whose 本气 is its own element: what support there is
// floats and cannot stop the day master from following.
bool NothingHoldsUp(const FourPillars& pillars, const ChartCombinations& combinations) {
  const Element self = StemElement(pillars.day.stem);
  const std::vector<Piece> pieces = PiecesOf(pillars, combinations);
  return std::none_of(pieces.begin(), pieces.end(), [&](const Piece& piece) {
    return piece.branch && piece.role == QiRole::Main && Supports(RelationOf(self, piece.element));
  });
}

StrengthVerdict VerdictOf(const FourPillars& pillars, const ChartStrength& strength) {
  const Element self = StemElement(pillars.day.stem);
  const auto weight = [&](ElementRelation r) { return strength.byRelation[static_cast<std::size_t>(r)]; };
  const auto firmly = [&](ElementRelation r) { return StandsFirmly(pillars, strength.combinations, r); };
  if (strength.score >= kDominantFrom) {
    const PatternRule* rule = DominantRuleOf(self);
    if (rule && rule->months[static_cast<std::size_t>(pillars.month.branch)] &&
        weight(ElementRelation::Same) > weight(ElementRelation::Resource) &&
        !firmly(RelationOf(self, *rule->feared))) {
      return StrengthVerdict::Dominant;
    }
    if (weight(ElementRelation::Resource) >= weight(ElementRelation::Same) && !firmly(ElementRelation::Wealth) &&
        !firmly(ElementRelation::Officer)) {
      return StrengthVerdict::FollowStrong;
    }
  }
  if (strength.score <= kFollowWeakUpTo && NothingHoldsUp(pillars, strength.combinations)) {
    return StrengthVerdict::FollowWeak;
  }
  if (strength.score < kBalancedFrom) return StrengthVerdict::Weak;
  if (strength.score <= kBalancedUpTo) return StrengthVerdict::Balanced;
  return StrengthVerdict::Strong;
}

// 得令又得地, on the characters as they stand: the month's 本气 is the day
// master's element and at least one more branch holds that element.
bool SeasonAndRoot(const FourPillars& pillars) {
  const Element self = StemElement(pillars.day.stem);
  if (StemElement(HiddenStemsOf(pillars.month.branch)[0].stem) != self) return false;
  return std::count_if(std::begin(kPillarPositions), std::end(kPillarPositions), [&](PillarPosition position) {
           const auto hidden = HiddenStemsOf(PillarAt(pillars, position).branch);
           return std::any_of(hidden.begin(), hidden.end(),
                              [&](const HiddenStem& stem) { return StemElement(stem.stem) == self; });
         }) >= 2;
}

}  // namespace

bool StandsFirmly(const FourPillars& pillars, const ChartCombinations& combinations, ElementRelation relation) {
  const Element self = StemElement(pillars.day.stem);
  for (const Piece& piece : PiecesOf(pillars, combinations)) {
    if (piece.role != QiRole::Residual && RelationOf(self, piece.element) == relation) return true;
  }
  return false;
}

bool RootedInBranches(const FourPillars& pillars, const ChartCombinations& combinations, ElementRelation relation) {
  const Element self = StemElement(pillars.day.stem);
  for (const Piece& piece : PiecesOf(pillars, combinations)) {
    if (piece.branch && piece.role != QiRole::Residual && RelationOf(self, piece.element) == relation) return true;
  }
  return false;
}

std::array<int, 5> SurfaceWeights(const FourPillars& pillars, const ChartCombinations& combinations) {
  std::array<int, 5> weights{};
  for (const Piece& piece : PiecesOf(pillars, combinations)) {
    if (piece.role == QiRole::Main) weights[static_cast<std::size_t>(piece.element)] += piece.weight;
  }
  return weights;
}

ChartStrength StrengthOfChart(const FourPillars& pillars) {
  ChartStrength strength;
  strength.combinations = CombinationsOf(pillars);
  const Element self = StemElement(pillars.day.stem);
  for (const Piece& piece : PiecesOf(pillars, strength.combinations)) {
    const ElementRelation relation = RelationOf(self, piece.element);
    strength.byRelation[static_cast<std::size_t>(relation)] += piece.weight;
    if (piece.branch && relation == ElementRelation::Same) {
      strength.roots.push_back({piece.position, piece.role, piece.weight});
    }
    if (!Supports(relation)) continue;
    if (!piece.branch) {
      (relation == ElementRelation::Resource ? strength.resourceStems : strength.companionStems) += piece.weight;
    } else {
      (piece.position == PillarPosition::Month ? strength.season : strength.ground) += piece.weight;
    }
  }
  const int support = strength.season + strength.ground + strength.resourceStems + strength.companionStems;
  strength.score = (200 * support + kChartWeight) / (2 * kChartWeight);
  strength.verdict = VerdictOf(pillars, strength);
  if ((strength.verdict == StrengthVerdict::Weak || strength.verdict == StrengthVerdict::FollowWeak) &&
      SeasonAndRoot(pillars)) {
    strength.verdict = StrengthVerdict::Balanced;
    strength.raisedBySeasonAndRoot = true;
  }
  return strength;
}

const std::string& StrengthVerdictName(StrengthVerdict verdict) {
  static const std::array<std::string, 6> names = {"从弱"_gbk, "偏弱"_gbk, "中和"_gbk,
                                                   "偏强"_gbk, "从强"_gbk, "专旺"_gbk};
  return names[static_cast<std::size_t>(verdict)];
}

std::string StrengthMethodSentence(const ChartStrength& strength) {
  const int support = strength.season + strength.ground + strength.resourceStems + strength.companionStems;
  return "强弱计法：月令计三分，日支计一分半，年支、时支各计一分，地支之力按藏干本气、中气、余气分得十分之十、七三或六三一；"
         "年、月、时干各计一分，日干为所论之身不计；合而得化者按所化之行计。本造得令"_gbk +
         WeightText(strength.season) + "分、得地"_gbk + WeightText(strength.ground) + "分、得生"_gbk +
         WeightText(strength.resourceStems) + "分、得助"_gbk + WeightText(strength.companionStems) + "分，帮身共"_gbk +
         WeightText(support) + "分，占全局九分半的"_gbk + std::to_string(strength.score) + "%。"_gbk;
}

}  // namespace velmora
