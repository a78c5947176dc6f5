#include "readings/useful_gods.h"

#include <algorithm>
#include <span>

#include "calendar/sexagenary.h"
#include "readings/judgement_words.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr Element kElements[5] = {Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth};

std::size_t At(Element element) { return static_cast<std::size_t>(element); }

Element Generating(Element e) { return ElementInRelation(e, ElementRelation::Resource); }
Element Controlling(Element e) { return ElementInRelation(e, ElementRelation::Officer); }

std::array<int, 5> ByElement(Element self, const ChartStrength& strength) {
  std::array<int, 5> weights{};
  for (std::size_t r = 0; r < 5; ++r) {
    weights[At(ElementInRelation(self, static_cast<ElementRelation>(r)))] = strength.byRelation[r];
  }
  return weights;
}

std::string Text(std::string_view gbk) { return std::string(gbk); }

std::string Percent(int part) { return PercentText(part, kChartWeight); }

// The roles of a row of the table, turned from relations into elements.
UsefulGods FromCase(Element self, GodRule rule, GodCase kind) {
  UsefulGods gods;
  gods.rule = rule;
  gods.godCase = kind;
  const GodCaseRule& row = GodCaseRuleOf(kind);
  for (std::size_t r = 0; r < 5; ++r) {
    const Element element = ElementInRelation(self, static_cast<ElementRelation>(r));
    gods.roleOf[At(element)] = row.roleOf[r];
    if (row.roleOf[r] == GodRole::Useful) gods.useful = element;
  }
  return gods;
}

std::string CaseText(GodCase kind) {
  const GodCaseRule& row = GodCaseRuleOf(kind);
  return Text(row.reason) + "（"_gbk + Text(row.source) + "）。"_gbk;
}

std::string ElementsText(const UsefulGods& gods, GodRole role) {
  std::vector<std::string> names;
  for (const Element element : ElementsInRole(gods, role)) names.push_back(ElementName(element));
  return JoinedText(names);
}

GodCase FollowCaseOf(PatternKind kind) {
  switch (kind) {
    case PatternKind::FollowWealth: return GodCase::FollowWealth;
    case PatternKind::FollowKillings: return GodCase::FollowKillings;
    case PatternKind::FollowOutput: return GodCase::FollowOutput;
    case PatternKind::FollowPower: return GodCase::FollowPower;
    default: return GodCase::FollowStrong;
  }
}

// 调候: the remedy the month's season lacks, if it does.
std::optional<Element> SeasonRemedy(int monthBranch) {
  if (monthBranch >= 5 && monthBranch <= 7) return Element::Water;  // 巳午未
  if (monthBranch == 11 || monthBranch <= 1) return Element::Fire;  // 亥子丑
  return std::nullopt;
}

// 调候 for a chart short of the season's remedy: the table's first stem of
// that element, or its first stem when that generates the remedy, gives the
// 用神; none when the table names neither.
std::optional<UsefulGods> ByClimate(const FourPillars& pillars, Element remedy, int remedyWeight) {
  const ClimateRule& rule = ClimateRuleOf(pillars.day.stem, pillars.month.branch);
  const auto stems = std::span(rule.stems).first(static_cast<std::size_t>(rule.count));
  auto useful = std::find_if(stems.begin(), stems.end(), [&](int s) { return StemElement(s) == remedy; });
  if (useful == stems.end() && StemElement(stems[0]) == Generating(remedy)) useful = stems.begin();
  if (useful == stems.end()) return std::nullopt;
  const Element element = StemElement(*useful);
  const auto other = std::find_if(stems.begin(), stems.end(), [&](int s) { return StemElement(s) != element; });
  UsefulGods gods;
  gods.rule = GodRule::Climate;
  gods.climateStems.assign(stems.begin(), stems.end());
  gods.useful = element;
  const Element favourable = other != stems.end() ? StemElement(*other) : Generating(element);
  const Element excess = remedy == Element::Water ? Element::Fire : Element::Water;
  gods.roleOf.fill(GodRole::Idle);
  gods.roleOf[At(element)] = GodRole::Useful;
  gods.roleOf[At(favourable)] = GodRole::Favourable;
  for (const Element harmful : {Controlling(element), excess}) {
    if (harmful != element && harmful != favourable) gods.roleOf[At(harmful)] = GodRole::Unfavourable;
  }
  const bool summer = remedy == Element::Water;
  gods.reasons.push_back(
      "生于"_gbk + EarthlyBranch(pillars.month.branch) + (summer ? "月，夏令炎燥"_gbk : "月，冬令寒冻"_gbk) + "，局中"_gbk +
      ElementName(remedy) + "只有"_gbk + WeightText(remedyWeight) + "分，不足一分，寒暖为先，取调候之法：据"_gbk +
      Text(rule.source) + "，以"_gbk + StemElementText(*useful) +
      (element == remedy ? std::string() : "生"_gbk + ElementName(remedy)) + "为用神，"_gbk +
      (other != stems.end() ? StemElementText(*other) + "为喜神"_gbk
                            : "生"_gbk + ElementName(element) + "之"_gbk + ElementName(favourable) + "为喜神"_gbk) +
      "。"_gbk);
  const std::string harmful = ElementsText(gods, GodRole::Unfavourable);
  if (!harmful.empty()) {
    gods.reasons.push_back(harmful + "克用神或更助"_gbk + (summer ? "炎燥"_gbk : "寒冻"_gbk) + "，为忌神。"_gbk);
  }
  return gods;
}

// Why the season did not decide, for the reason of the rule that did.
std::string SeasonNote(const FourPillars& pillars, Element remedy, int remedyWeight) {
  const std::string opening = "生于"_gbk + EarthlyBranch(pillars.month.branch) + "月，局中"_gbk +
                              (remedy == Element::Fire ? "暖气"_gbk : "润泽之气"_gbk) +
                              (remedyWeight < kRemedyWeight ? "只有"_gbk : "有"_gbk) + WeightText(remedyWeight) + "分，"_gbk;
  if (remedyWeight >= kRemedyWeight) return opening + "寒暖不致偏枯，不以调候为先。"_gbk;
  return opening + "然"_gbk + Text(ClimateRuleOf(pillars.day.stem, pillars.month.branch).source) +
         "于此月所取别有所主，不以寒暖为先，调候不作先务。"_gbk;
}

// 通关: the strongest pair of fighting elements whose go-between is missing.
std::optional<UsefulGods> ByBridge(Element self, const std::array<int, 5>& weights) {
  std::optional<UsefulGods> best;
  int bestWeight = 0;
  for (const Element attacker : kElements) {
    const Element attacked = ElementInRelation(attacker, ElementRelation::Wealth);
    if (attacker == self || attacked == self) continue;  // the day master's own fight is 扶抑's
    const Element between = ElementInRelation(attacker, ElementRelation::Output);
    const int weaker = std::min(weights[At(attacker)], weights[At(attacked)]);
    if (100 * weaker < kFightShare * kChartWeight || weights[At(between)] >= kRemedyWeight || weaker <= bestWeight) {
      continue;
    }
    bestWeight = weaker;
    UsefulGods gods;
    gods.rule = GodRule::Bridge;
    gods.attacker = attacker;
    gods.attacked = attacked;
    gods.useful = between;
    gods.roleOf.fill(GodRole::Idle);
    gods.roleOf[At(between)] = GodRole::Useful;
    gods.roleOf[At(attacker)] = GodRole::Favourable;
    gods.roleOf[At(Controlling(between))] = GodRole::Unfavourable;
    const std::string a = ElementName(attacker), b = ElementName(attacked), m = ElementName(between);
    gods.reasons.push_back(a + "、"_gbk + b + "两行各占全局"_gbk + Percent(weights[At(attacker)]) + "、"_gbk +
                           Percent(weights[At(attacked)]) + "，"_gbk + a + "克"_gbk + b + "，两强相战，局中"_gbk + m +
                           "不足一分，取通关之法：以"_gbk + m + "为用神，"_gbk + a + "生"_gbk + m + "、"_gbk + m +
                           "生"_gbk + b + "，化战为和；"_gbk + a + "之气流向用神，为喜神；"_gbk +
                           ElementName(Controlling(between)) + "克用神、断其流通，为忌神（滴天髓·通关）。"_gbk);
    best = gods;
  }
  return best;
}

UsefulGods BySupportRestrain(const FourPillars& pillars, const ChartStrength& strength) {
  const Element self = StemElement(pillars.day.stem);
  const auto weight = [&](ElementRelation r) { return strength.byRelation[static_cast<std::size_t>(r)]; };
  const bool weak = strength.verdict == StrengthVerdict::Weak ||
                    (strength.verdict == StrengthVerdict::Balanced && 2 * strength.score < kBalancedFrom + kBalancedUpTo);
  GodCase kind;
  std::string cause;
  if (weak) {
    const ElementRelation against[3] = {ElementRelation::Officer, ElementRelation::Output, ElementRelation::Wealth};
    const ElementRelation heaviest = *std::max_element(
        std::begin(against), std::end(against), [&](ElementRelation a, ElementRelation b) { return weight(a) < weight(b); });
    kind = heaviest == ElementRelation::Officer  ? GodCase::WeakOfficer
           : heaviest == ElementRelation::Output ? GodCase::WeakOutput
                                                 : GodCase::WeakWealth;
    cause = "克泄耗之中"_gbk + RelationGodsName(heaviest) + "最重（"_gbk + WeightText(weight(heaviest)) + "分）"_gbk;
  } else if (weight(ElementRelation::Resource) > weight(ElementRelation::Same)) {
    kind = GodCase::StrongResource;
    cause = weight(ElementRelation::Same)
                ? "帮身之中印星多于比劫（"_gbk + WeightText(weight(ElementRelation::Resource)) + "分对"_gbk +
                      WeightText(weight(ElementRelation::Same)) + "分）"_gbk
                : "帮身之力全在印星（"_gbk + WeightText(weight(ElementRelation::Resource)) + "分）"_gbk;
  } else {
    const bool officer = RootedInBranches(pillars, strength.combinations, ElementRelation::Officer);
    kind = officer ? GodCase::StrongCompanionOfficer : GodCase::StrongCompanionOutput;
    cause = (weight(ElementRelation::Resource) ? "帮身之中比劫不少于印星，克身之神"_gbk : "帮身之力全在比劫，克身之神"_gbk) +
            (officer ? "通根于地支本气或中气，有力可用"_gbk : "不通根于地支本气、中气，无力可用"_gbk);
  }
  UsefulGods gods = FromCase(self, GodRule::SupportRestrain, kind);
  std::string verdict = StrengthVerdictName(strength.verdict);
  if (strength.verdict == StrengthVerdict::Balanced) verdict += weak ? "而略偏弱"_gbk : "而略偏强"_gbk;
  gods.reasons.push_back("日主"_gbk + StemElementText(pillars.day.stem) + verdict + "（帮身"_gbk +
                         std::to_string(strength.score) + "%），"_gbk + cause + "，取扶抑之法："_gbk + CaseText(kind));
  // 用神 is taken from what the chart holds: when the first choice stands on
  // neither a stem nor a branch's 本气 but the second does, they change places.
  const std::array<int, 5> surface = SurfaceWeights(pillars, strength.combinations);
  const std::vector<Element> favourable = ElementsInRole(gods, GodRole::Favourable);
  if (surface[At(gods.useful)] == 0 && favourable.size() == 1 && surface[At(favourable[0])] > 0) {
    gods.roleOf[At(gods.useful)] = GodRole::Favourable;
    gods.roleOf[At(favourable[0])] = GodRole::Useful;
    gods.reasons.push_back("原局"_gbk + ElementName(gods.useful) + "不透干、不居地支本气，无力为用，以"_gbk +
                           ElementName(favourable[0]) + "代为用神，"_gbk + ElementName(gods.useful) + "退为喜神。"_gbk);
    gods.useful = favourable[0];
  }
  return gods;
}

}  // namespace

UsefulGods UsefulGodsOf(const FourPillars& pillars, const ChartStrength& strength, const ChartPattern& pattern) {
  const Element self = StemElement(pillars.day.stem);
  if (pattern.special) {
    const bool dominant = strength.verdict == StrengthVerdict::Dominant;
    const GodCase kind = dominant ? GodCase::Dominant : FollowCaseOf(*pattern.special);
    UsefulGods gods = FromCase(self, dominant ? GodRule::Dominant : GodRule::Follow, kind);
    gods.reasons.push_back("成"_gbk + Text(PatternRuleOf(*pattern.special).name) + "，"_gbk +
                           (dominant ? "顺其旺神取用："_gbk : "按从格顺势取用："_gbk) + CaseText(kind));
    return gods;
  }
  const std::array<int, 5> weights = ByElement(self, strength);
  std::optional<std::string> seasonNote;
  if (const std::optional<Element> remedy = SeasonRemedy(pillars.month.branch)) {
    const int remedyWeight = SurfaceWeights(pillars, strength.combinations)[At(*remedy)];
    if (remedyWeight < kRemedyWeight) {
      if (std::optional<UsefulGods> climate = ByClimate(pillars, *remedy, remedyWeight)) return *climate;
    }
    seasonNote = SeasonNote(pillars, *remedy, remedyWeight);
  }
  std::optional<UsefulGods> bridge = ByBridge(self, weights);
  UsefulGods gods = bridge ? *bridge : BySupportRestrain(pillars, strength);
  if (seasonNote) gods.reasons.insert(gods.reasons.begin(), *seasonNote);
  return gods;
}

std::vector<Element> ElementsInRole(const UsefulGods& gods, GodRole role) {
  std::vector<Element> elements;
  for (const Element element : kElements) {
    if (gods.roleOf[At(element)] == role) elements.push_back(element);
  }
  return elements;
}

const std::string& GodRuleName(GodRule rule) {
  static const std::array<std::string, 5> names = {"从格"_gbk, "专旺"_gbk, "调候"_gbk, "通关"_gbk, "扶抑"_gbk};
  return names[static_cast<std::size_t>(rule)];
}

const std::string& GodRoleName(GodRole role) {
  static const std::array<std::string, 4> names = {"用神"_gbk, "喜神"_gbk, "忌神"_gbk, "闲神"_gbk};
  return names[static_cast<std::size_t>(role)];
}

}  // namespace velmora
