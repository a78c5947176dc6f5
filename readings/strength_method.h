#pragma once
// How strong the day master is (日主强弱), by the four ways it gains strength
// against what restrains, drains and spends it (克泄耗: 官杀, 食伤, 财星).
//
// Weights, in hundredths of a character:
// - 得令: the month branch (月令) weighs 300, three branches, because the
//   season rules the chart;
// - 得地: the day branch (the day master's seat) 150, the year and hour
//   branches 100 each. A branch is shared among its hidden stems by their
//   place (本气 / 中气 / 余气: 10/10; 7/10 + 3/10; 6/10 + 3/10 + 1/10), so a
//   root in the 本气 weighs most and one in the 余气 least;
// - 得生 and 得助: the year, month and hour stems 100 each, counted as 得生
//   when they are 印 and 得助 when they are 比劫 (the day stem is the one
//   judged and does not count);
// - 合化 (readings/chart_combinations.h): a transformed stem pair, and the
//   branches of a 三会 or 三合 that holds the month, count as the element
//   they turn into.
// Score: the share (0..100, rounded) of the 950 that is 印 or 比劫.
//
// Verdicts, in this order:
// - 专旺 (曲直 炎上 稼穑 从革 润下; data/bazi/patterns.tsv names the months and
//   the element that breaks each): born in one of its months, 比劫 outweigh
//   印, the score is kDominantFrom or more, and the element that breaks it
//   stands neither among the stems nor as a branch's 本气 or 中气;
// - 从强: the score is kDominantFrom or more, 印 weigh at least as much as
//   比劫, and neither
//   财星 nor 官杀 stands among the stems or as a branch's 本气 or 中气;
// - 从弱: the score is kFollowWeakUpTo or less and no branch holds 印 or
//   比劫 as its 本气 (after 合化), so that what support there is (a 中气 or
//   余气, a stem without such a root) floats: 日主孤立无气 in 滴天髓's words;
// - else by the score: 偏弱 below kBalancedFrom, 中和 up to kBalancedUpTo,
//   偏强 above. A chart whose month branch holds the day master's element as
//   its 本气 and which has another root besides (得令又得地, on the characters
//   as they stand, before 合化) is never judged weak: it is raised to 中和.
// The middle band lies below half because the day master's own stem is not
// counted: an even chart gives its two kinds of support two fifths of the
// weight, and the band is centred there.

#include <array>
#include <string>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/chart_combinations.h"
#include "readings/element_cycle.h"
#include "readings/hidden_stems.h"
#include "readings/pillar_positions.h"

namespace velmora {

inline constexpr int kStemWeight = 100;
inline constexpr std::array<int, 4> kBranchWeights = {100, 300, 150, 100};  // year, month, day, hour
inline constexpr int kChartWeight = 950;
inline constexpr int kFollowWeakUpTo = 25;
inline constexpr int kBalancedFrom = 34;
inline constexpr int kBalancedUpTo = 46;
inline constexpr int kDominantFrom = 75;

enum class StrengthVerdict { FollowWeak, Weak, Balanced, Strong, FollowStrong, Dominant };  // 从弱 偏弱 中和 偏强 从强 专旺

// Where the day master's element stands in a branch.
struct Root {
  PillarPosition position = PillarPosition::Year;
  QiRole role = QiRole::Main;  // a branch of a 三会 or 三合 counts as 本气
  int weight = 0;              // hundredths of a character
};

struct ChartStrength {
  std::array<int, 5> byRelation{};  // by ElementRelation to the day master, hundredths
  int season = 0;                   // 得令: 印 and 比劫 in the month branch
  int ground = 0;                   // 得地: 印 and 比劫 in the other branches
  int resourceStems = 0;            // 得生
  int companionStems = 0;           // 得助
  int score = 0;
  StrengthVerdict verdict = StrengthVerdict::Balanced;
  bool raisedBySeasonAndRoot = false;  // 得令又得地 lifted a weak score to 中和
  std::vector<Root> roots;             // in position order
  ChartCombinations combinations;
  std::vector<std::string> reasons;    // GBK sentences: the roots, the 合化, how the verdict follows
};

ChartStrength StrengthOfChart(const FourPillars& pillars);

// Whether the relation stands among the year, month or hour stems or as a
// branch's 本气 or 中气, counted after 合化.
bool StandsFirmly(const FourPillars& pillars, const ChartCombinations& combinations, ElementRelation relation);

// Whether the relation is rooted: a branch's 本气 or 中气, after 合化.
bool RootedInBranches(const FourPillars& pillars, const ChartCombinations& combinations, ElementRelation relation);

// The weight of each element (by Element, hundredths) among the year, month
// and hour stems and the branches' 本气, after 合化: what stands on the face
// of the chart, such as the warmth or cooling 调候 looks for.
std::array<int, 5> SurfaceWeights(const FourPillars& pillars, const ChartCombinations& combinations);

// 从弱 偏弱 中和 偏强 从强 专旺 (GBK).
const std::string& StrengthVerdictName(StrengthVerdict verdict);

// The method in one sentence with this chart's figures, for the pages (GBK),
// such as "强弱计法：月令计三分，……本造得令1.8、得地0.6、得生1.0、得助0，帮身共3.4分，占全局9.5分的36%".
std::string StrengthMethodSentence(const ChartStrength& strength);

}  // namespace velmora
