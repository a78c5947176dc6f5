#pragma once
// 用神, 喜神, 忌神 and 闲神 of a chart and the rule that decided them, tried
// in this order:
// 1. 从格 and 专旺 follow what rules the chart: the roles of their row in
//    data/bazi/useful_gods.tsv.
// 2. 调候: born in 巳午未 with less than kRemedyWeight of 水 on the face of
//    the chart (the stems and the branches' 本气, weighed as the strength is,
//    after 合化: hidden 中气 and 余气 do not change the climate), or in 亥子丑
//    with less than that of 火, the season decides if the 调候 table
//    (data/bazi/climate.tsv) names a stem of that element for the day stem in
//    that month, or puts first a stem that generates it (甲 feeding a winter
//    丁, 辛 the source of water for a summer 癸): that stem's element is the
//    用神, the first stem of another element the table names the 喜神 (else
//    the element that generates the 用神); the element that controls the
//    用神 and the season's own excess (火 in summer, 水 in winter) are 忌神,
//    unless they are 用 or 喜. When the table names no such stem, the book
//    does not treat that month by warmth or cooling, and the rules below decide.
// 3. 通关: two elements of which one controls the other, neither the day
//    master's own (its fights are 扶抑's), each kFightShare % or more of the
//    chart, fight; the element between them (the one the controller
//    generates and that generates the controlled) is the 用神 when it holds
//    less than kRemedyWeight, the controller (which now feeds it) the 喜神,
//    and the element that controls the 用神 the 忌神.
// 4. 扶抑: a weak day master (偏弱, or 中和 below the band's middle) is helped
//    against the heaviest of 官杀, 食伤 and 财星; a strong one (偏强, or 中和
//    from the middle) is restrained by what answers its heaviest support: 印
//    by 财星, 比劫 by 官杀 when they are rooted in a branch's 本气 or 中气,
//    else by 食伤 (旺极宜泄: a floating 官杀 cannot restrain). The roles are
//    the rows of data/bazi/useful_gods.tsv; a 用神 that stands on neither a
//    stem nor a branch's 本气 changes places with a single 喜神 that does
//    (the 用神 is taken from what the chart holds).
// In 2 and 3 every element not named is a 闲神.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/chart_pattern.h"
#include "readings/judgement_rules.h"
#include "readings/strength_method.h"

namespace velmora {

inline constexpr int kRemedyWeight = 100;  // one character, in the strength's hundredths
inline constexpr int kFightShare = 30;

enum class GodRule { Follow, Dominant, Climate, Bridge, SupportRestrain };  // 从格 专旺 调候 通关 扶抑

struct UsefulGods {
  GodRule rule = GodRule::SupportRestrain;
  std::array<GodRole, 5> roleOf{};    // by Element (金 木 水 火 土)
  Element useful = Element::Wood;
  std::optional<GodCase> godCase;     // the row of the table of roles (从格, 专旺, 扶抑)
  std::vector<int> climateStems;      // 调候: the stems the table names, the most needed first
  std::optional<Element> attacker;    // 通关: the element that controls …
  std::optional<Element> attacked;    // … the other
  std::vector<std::string> reasons;   // GBK sentences: which rule decided and why, with the roles explained
};

UsefulGods UsefulGodsOf(const FourPillars& pillars, const ChartStrength& strength, const ChartPattern& pattern);

// The elements in a role, in the order 金 木 水 火 土.
std::vector<Element> ElementsInRole(const UsefulGods& gods, GodRole role);

// 从格 专旺 调候 通关 扶抑 (GBK).
const std::string& GodRuleName(GodRule rule);
// 用神 喜神 忌神 闲神 (GBK).
const std::string& GodRoleName(GodRole role);

}  // namespace velmora
