#pragma once
// The 格局 of a chart. The 正格 is read from the month branch (八字用神，专求月令):
// - a month branch that is the day stem's 临官 gives 建禄格; the 帝旺 of a yang
//   day stem gives 月刃格;
// - otherwise the first of the branch's hidden stems (本气, then 中气, then 余气)
//   that shows among the year, month or hour stems (透干) gives the 格 of its
//   ten god, 比肩 and 劫财 passed over; with none showing, the 本气's ten god;
// - a 本气 of the day master's own element that is neither 禄 nor 刃: 劫财 gives
//   月劫格, except in the four store months (辰戌丑未), whose mixed qi (杂气)
//   gives the 格 of the 中气 instead, as 比肩 does there.
// The special 格 follows the strength verdict (readings/strength_method.h):
// 专旺 gives the 格 of the day master's element (曲直 炎上 稼穑 从革 润下), 从强
// gives 从强格, and 从弱 gives 从财, 从杀 or 从儿 when that one kind holds
// kFollowOneShare % or more of what restrains, drains and spends the day
// master, else 从势格. The rules' names, gists and sources are
// data/bazi/patterns.tsv.

#include <optional>
#include <string>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/hidden_stems.h"
#include "readings/judgement_rules.h"
#include "readings/pillar_positions.h"
#include "readings/strength_method.h"

namespace velmora {

inline constexpr int kFollowOneShare = 40;

struct ChartPattern {
  PatternKind regular = PatternKind::DirectOfficer;  // 正格
  int monthStem = 0;                        // the month's hidden stem it is taken from
  QiRole role = QiRole::Main;               // that stem's place in the branch
  std::vector<PillarPosition> revealedAt;   // where that stem shows among the stems (may be none)
  std::optional<PatternKind> special;       // 专旺 or 从 when they hold
  std::string reason;                       // GBK: how the 正格 was taken
  std::string specialReason;                // GBK: why the special 格 holds (empty without one)

  // The 格 the chart goes by: the special one when it holds.
  PatternKind Kind() const { return special.value_or(regular); }
};

ChartPattern PatternOf(const FourPillars& pillars, const ChartStrength& strength);

}  // namespace velmora
