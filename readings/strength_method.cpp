#include "readings/strength_method.h"

#include <algorithm>

#include "calendar/sexagenary.h"
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

// "日主通根于年支寅（本气甲木）、日支卯（会局化木）。"
std::string RootsSentence(const FourPillars& pillars, const ChartStrength& strength) {
  if (strength.roots.empty()) return "日主在四支无根。"_gbk;
  const Element self = StemElement(pillars.day.stem);
  std::vector<std::string> roots;
  for (const Root& root : strength.roots) {
    const int branch = PillarAt(pillars, root.position).branch;
    std::string where = PlacesText({root.position}, true) + EarthlyBranch(branch) + "（"_gbk;
    if (InGroup(strength.combinations, root.position)) {
      where += "会局化"_gbk + ElementName(self);
    } else {
      for (const HiddenStem& hidden : HiddenStemsOf(branch)) {
        if (hidden.role == root.role && StemElement(hidden.stem) == self) {
          where += QiRoleName(hidden.role) + StemElementText(hidden.stem);
        }
      }
    }
    roots.push_back(where + "）"_gbk);
  }
  return "日主通根于"_gbk + JoinedText(roots) + "。"_gbk;
}

// One sentence per combination: whether it transforms and what it counts as.
std::vector<std::string> CombinationSentences(const FourPillars& pillars, const ChartCombinations& combinations) {
  std::vector<std::string> sentences;
  const auto stemAt = [&](PillarPosition position) {
    return PlacesText({position}, false) + HeavenlyStem(PillarAt(pillars, position).stem);
  };
  for (const StemCombination& pair : combinations.stems) {
    sentences.push_back(stemAt(pair.first) + "与"_gbk + stemAt(pair.second) + "相合"_gbk +
                        (pair.transforms ? "，化"_gbk + ElementName(pair.into) + "得令，按"_gbk +
                                               ElementName(pair.into) + "计。"_gbk
                         : pair.withDayMaster ? "，日主为所论之身，不论其化。"_gbk
                                              : "，合而不化。"_gbk));
  }
  if (const auto& group = combinations.branches) {
    std::vector<std::string> branches;
    for (const PillarPosition position : group->positions) {
      const std::string name = EarthlyBranch(PillarAt(pillars, position).branch);
      if (std::find(branches.begin(), branches.end(), name) == branches.end()) branches.push_back(name);
    }
    sentences.push_back(JoinedText(branches) + BranchGroupName(group->directional) + ElementName(group->element) +
                        "局"_gbk +
                        (group->transforms ? "，月令在局中，诸支按"_gbk + ElementName(group->element) + "计。"_gbk
                                           : "，月令不在局中，不作化论。"_gbk));
  }
  return sentences;
}

// How the score and the chart's shape give the verdict; the special 格 (readings/chart_pattern.h) says the rest.
std::string VerdictSentence(const ChartStrength& strength) {
  const std::string verdict = "判为"_gbk + StrengthVerdictName(strength.verdict) + "。"_gbk;
  const auto percent = [](int value) { return std::to_string(value) + "%"; };
  if (strength.raisedBySeasonAndRoot) {
    return "帮身之力不足"_gbk + percent(kBalancedFrom) + "，然月令本气与日主同类，又另有通根，得令得地，不作弱论，"_gbk + verdict;
  }
  switch (strength.verdict) {
    case StrengthVerdict::FollowWeak:
      return "帮身之力在"_gbk + percent(kFollowWeakUpTo) + "以内，地支无印比本气可依，"_gbk + verdict;
    case StrengthVerdict::Weak: return "帮身之力不足"_gbk + percent(kBalancedFrom) + "，"_gbk + verdict;
    case StrengthVerdict::Balanced:
      return "帮身之力在"_gbk + percent(kBalancedFrom) + "至"_gbk + percent(kBalancedUpTo) + "之间，"_gbk + verdict;
    case StrengthVerdict::Strong:
      return strength.score >= kDominantFrom
                 ? "帮身之力虽达"_gbk + percent(kDominantFrom) + "以上，而不合专旺、从强之法，"_gbk + verdict
                 : "帮身之力过"_gbk + percent(kBalancedUpTo) + "，"_gbk + verdict;
    default: return "帮身之力达"_gbk + percent(kDominantFrom) + "以上，"_gbk + verdict;
  }
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
  strength.reasons.push_back(RootsSentence(pillars, strength));
  for (std::string& sentence : CombinationSentences(pillars, strength.combinations)) {
    strength.reasons.push_back(std::move(sentence));
  }
  strength.reasons.push_back(VerdictSentence(strength));
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
