#pragma once
// The classical rules the 八字 judgement reads: the 调候 table (which stems a
// day stem born in each month needs), the 格局 and how each is taken, and the
// roles (用神 喜神 忌神 闲神) each kind of chart gives the five elements. They
// are reviewed data, data/bazi/*.tsv (UTF-8, each rule with the classical book
// it comes from), turned by tools/judgement/build_judgement_rules into a table
// compiled into this library, so judging a chart reads no file and is the same
// for the program, the CLI and the service. Texts are GBK.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "calendar/four_pillars.h"
#include "readings/element_cycle.h"
#include "readings/ten_gods.h"

namespace velmora {

// 调候 of a day stem born in a month: the stems it needs, the most needed first.
struct ClimateRule {
  std::array<int, 5> stems{};  // 0..9
  int count = 0;
  std::string_view source;  // the book, chapter and month
};

// Day stem 0..9, month branch 0..11.
const ClimateRule& ClimateRuleOf(int dayStem, int monthBranch);

enum class PatternKind {
  DirectOfficer,     // 正官格
  SevenKillings,     // 七杀格
  DirectWealth,      // 正财格
  IndirectWealth,    // 偏财格
  DirectResource,    // 正印格
  IndirectResource,  // 偏印格
  EatingGod,         // 食神格
  HurtingOfficer,    // 伤官格
  Prosperity,        // 建禄格
  MonthBlade,        // 月刃格
  MonthRob,          // 月劫格
  DominantWood,      // 曲直格
  DominantFire,      // 炎上格
  DominantEarth,     // 稼穑格
  DominantMetal,     // 从革格
  DominantWater,     // 润下格
  FollowWealth,      // 从财格
  FollowKillings,    // 从杀格
  FollowOutput,      // 从儿格
  FollowPower,       // 从势格
  FollowStrong,      // 从强格
};

// How a 格 is taken.
enum class PatternMethod {
  MonthGod,      // the ten god the month branch reveals
  Prosperity,    // the month branch is the day stem's 临官
  Blade,         // a yang day stem in its 帝旺 month
  MonthRob,      // 劫财 as the month's main qi, neither 禄 nor 刃
  Dominant,      // one element rules alone
  FollowWeak,    // the day master gives itself up to what rules the chart
  FollowStrong,  // 印 and 比劫 fill the chart
};

struct PatternRule {
  PatternKind kind = PatternKind::DirectOfficer;
  PatternMethod method = PatternMethod::MonthGod;
  std::optional<TenGod> monthGod;             // MonthGod
  std::optional<Element> element;             // Dominant: the ruling element
  std::array<bool, 12> months{};              // Dominant: the months it rules
  std::optional<Element> feared;              // Dominant: the element that breaks it
  std::optional<ElementRelation> followed;    // FollowWeak: none for 从势
  std::string_view name;                      // 正官格
  std::string_view reason;                    // the classical gist
  std::string_view source;
};

const PatternRule& PatternRuleOf(PatternKind kind);
std::span<const PatternRule> PatternRules();

enum class GodRole { Useful, Favourable, Unfavourable, Idle };  // 用神 喜神 忌神 闲神

// The kinds of chart the table of roles has a row for.
enum class GodCase {
  WeakOfficer,             // 身弱官杀重
  WeakOutput,              // 身弱食伤重
  WeakWealth,              // 身弱财星重
  StrongResource,          // 身强印星重
  StrongCompanionOfficer,  // 身强比劫重有官杀
  StrongCompanionOutput,   // 身强比劫重无官杀
  FollowWealth,            // 从财格
  FollowKillings,          // 从杀格
  FollowOutput,            // 从儿格
  FollowPower,             // 从势格
  FollowStrong,            // 从强格
  Dominant,                // 专旺
};

struct GodCaseRule {
  GodCase kind = GodCase::WeakOfficer;
  std::array<GodRole, 5> roleOf{};  // by ElementRelation to the day master
  std::string_view name;            // 身弱官杀重
  std::string_view reason;          // why each role falls where it does
  std::string_view source;
};

const GodCaseRule& GodCaseRuleOf(GodCase kind);

}  // namespace velmora
