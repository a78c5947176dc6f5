#include "readings/chart_pattern.h"

#include <algorithm>

#include "calendar/sexagenary.h"
#include "readings/growth_stages.h"
#include "readings/judgement_words.h"
#include "readings/ten_gods.h"
#include "text/gbk.h"

namespace velmora {
namespace {

bool IsStoreMonth(int branch) { return branch % 3 == 1; }  // 丑 辰 未 戌

bool IsCompanion(TenGod god) { return god == TenGod::Companion || god == TenGod::RobWealth; }

std::vector<PillarPosition> RevealedAt(const FourPillars& pillars, int stem) {
  std::vector<PillarPosition> at;
  for (const PillarPosition position : {PillarPosition::Year, PillarPosition::Month, PillarPosition::Hour}) {
    if (PillarAt(pillars, position).stem == stem) at.push_back(position);
  }
  return at;
}

const PatternRule& RuleWhere(const auto& holds) {
  const auto rules = PatternRules();
  return *std::find_if(rules.begin(), rules.end(), holds);
}

std::string Text(std::string_view gbk) { return std::string(gbk); }

// "正官格：<gist>（<source>）".
std::string Gist(const PatternRule& rule) {
  return Text(rule.name) + "："_gbk + Text(rule.reason) + "（"_gbk + Text(rule.source) + "）。"_gbk;
}

void TakeRegular(const FourPillars& pillars, ChartPattern& pattern) {
  const int self = pillars.day.stem, month = pillars.month.branch;
  const std::string monthText = EarthlyBranch(month);
  const std::string selfText = StemElementText(self);
  const auto hidden = HiddenStemsOf(month);
  pattern.monthStem = hidden[0].stem;
  pattern.role = QiRole::Main;
  const GrowthStage stage = GrowthStageOf(self, month);
  if (stage == GrowthStage::Office) {
    const PatternRule& rule = PatternRuleOf(PatternKind::Prosperity);
    pattern.regular = rule.kind;
    pattern.reason = monthText + "为日主"_gbk + selfText + "临官之地（禄），取"_gbk + Text(rule.name) + "。"_gbk + Gist(rule);
    return;
  }
  if (self % 2 == 0 && stage == GrowthStage::Peak) {
    const PatternRule& rule = PatternRuleOf(PatternKind::MonthBlade);
    pattern.regular = rule.kind;
    pattern.reason = monthText + "为阳干"_gbk + selfText + "帝旺之地（刃），取"_gbk + Text(rule.name) + "。"_gbk + Gist(rule);
    return;
  }
  for (const HiddenStem& each : hidden) {
    const TenGod god = TenGodOf(self, each.stem);
    std::vector<PillarPosition> at = RevealedAt(pillars, each.stem);
    if (IsCompanion(god) || at.empty()) continue;
    const PatternRule& rule = RuleWhere([&](const PatternRule& r) { return r.monthGod == god; });
    pattern.regular = rule.kind;
    pattern.monthStem = each.stem;
    pattern.role = each.role;
    pattern.revealedAt = std::move(at);
    pattern.reason = monthText + "月所藏"_gbk + StemElementText(each.stem) + "（"_gbk + QiRoleName(each.role) +
                     "）透于"_gbk + PlacesText(pattern.revealedAt, false) + "，为日主"_gbk + selfText + "之"_gbk +
                     TenGodName(god) + "，取"_gbk + Text(rule.name) + "。"_gbk + Gist(rule);
    return;
  }
  const TenGod mainGod = TenGodOf(self, hidden[0].stem);
  if (!IsCompanion(mainGod)) {
    const PatternRule& rule = RuleWhere([&](const PatternRule& r) { return r.monthGod == mainGod; });
    pattern.regular = rule.kind;
    pattern.reason = monthText + "月所藏之干未有透出可取者，以本气"_gbk + StemElementText(hidden[0].stem) + "为日主"_gbk +
                     selfText + "之"_gbk + TenGodName(mainGod) + "，取"_gbk + Text(rule.name) + "。"_gbk + Gist(rule);
    return;
  }
  if (IsStoreMonth(month)) {
    const HiddenStem& middle = hidden[1];
    const TenGod god = TenGodOf(self, middle.stem);
    const PatternRule& rule = RuleWhere([&](const PatternRule& r) { return r.monthGod == god; });
    pattern.regular = rule.kind;
    pattern.monthStem = middle.stem;
    pattern.role = middle.role;
    pattern.reason = monthText + "为四库，本气"_gbk + StemElementText(hidden[0].stem) + "与日主同类，不取为格；所藏之干未透，以中气"_gbk +
                     StemElementText(middle.stem) + "为"_gbk + TenGodName(god) + "，取"_gbk + Text(rule.name) +
                     "（杂气）。"_gbk + Gist(rule);
    return;
  }
  const PatternRule& rule = PatternRuleOf(PatternKind::MonthRob);
  pattern.regular = rule.kind;
  pattern.reason = monthText + "月本气"_gbk + StemElementText(hidden[0].stem) + "为日主"_gbk + selfText +
                   "之劫财，非禄非刃，取"_gbk + Text(rule.name) + "。"_gbk + Gist(rule);
}

void TakeSpecial(const FourPillars& pillars, const ChartStrength& strength, ChartPattern& pattern) {
  const Element self = StemElement(pillars.day.stem);
  const std::string selfText = StemElementText(pillars.day.stem);
  const std::string score = std::to_string(strength.score) + "%";
  const auto weight = [&](ElementRelation r) { return strength.byRelation[static_cast<std::size_t>(r)]; };
  switch (strength.verdict) {
    case StrengthVerdict::Dominant: {
      const PatternRule& rule =
          RuleWhere([&](const PatternRule& r) { return r.method == PatternMethod::Dominant && r.element == self; });
      pattern.special = rule.kind;
      pattern.specialReason = "日主"_gbk + selfText + "生于"_gbk + EarthlyBranch(pillars.month.branch) +
                              "月，帮身之力占全局"_gbk + score +
                              (weight(ElementRelation::Resource) ? "，比劫多于印星，"_gbk : "，全是比劫，"_gbk) +
                              ElementName(*rule.feared) + "为破格之忌神，不见于天干及地支本气、中气，成"_gbk + Text(rule.name) + "。"_gbk + Gist(rule);
      return;
    }
    case StrengthVerdict::FollowStrong: {
      const PatternRule& rule = PatternRuleOf(PatternKind::FollowStrong);
      pattern.special = rule.kind;
      pattern.specialReason = "印比占全局"_gbk + score +
                              (weight(ElementRelation::Same) ? "，印星不少于比劫"_gbk : "，全是印星"_gbk) +
                              "，财官之气不见于天干及地支本气、中气，成"_gbk +
                              Text(rule.name) + "。"_gbk + Gist(rule);
      return;
    }
    case StrengthVerdict::FollowWeak: {
      const ElementRelation against[3] = {ElementRelation::Output, ElementRelation::Wealth, ElementRelation::Officer};
      const int total = weight(against[0]) + weight(against[1]) + weight(against[2]);
      const ElementRelation heaviest =
          *std::max_element(std::begin(against), std::end(against),
                            [&](ElementRelation a, ElementRelation b) { return weight(a) < weight(b); });
      const bool one = 100 * weight(heaviest) >= kFollowOneShare * total;
      const PatternRule& rule = RuleWhere([&](const PatternRule& r) {
        return r.method == PatternMethod::FollowWeak && r.followed == (one ? std::optional(heaviest) : std::nullopt);
      });
      pattern.special = rule.kind;
      pattern.specialReason = "日主"_gbk + selfText + "帮身之力只占"_gbk + score +
                              "，地支无印比本气，所有生扶或透干无根、或只藏于中气余气，虚浮无依；克泄耗之中"_gbk + RelationGodsName(heaviest) +
                              "最重，占"_gbk + PercentText(weight(heaviest), total) +
                              (one ? "，成"_gbk : "，不能专从一神，成"_gbk) + Text(rule.name) + "。"_gbk + Gist(rule);
      return;
    }
    default:
      return;
  }
}

}  // namespace

ChartPattern PatternOf(const FourPillars& pillars, const ChartStrength& strength) {
  ChartPattern pattern;
  TakeRegular(pillars, pattern);
  TakeSpecial(pillars, strength, pattern);
  return pattern;
}

}  // namespace velmora
