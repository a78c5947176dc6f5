#pragma once
// The checker of a 八字 reading's prose: it finds each sentence (up to 。；！？)
// that names an element (金 木 水 火 土), a heavenly stem or a 十神 (by name,
// alias or kind: 比劫 食伤 财星 官杀 印星, 官星, 印绶, 偏官, 七煞, 枭神) the chart
// does not hold. The chart holds what its four pillars, its current 大运 and
// its 流年 hold, stems hidden in their branches included; a sentence may also
// name the elements of the roles it states (用神 / 为用, 喜神 / 为喜, 忌神 /
// 为忌, 闲神), the stems of those elements and the kinds of 十神 they are.
// UTF-8 texts.

#include <set>
#include <string>
#include <vector>

#include "readings/bazi_chart.h"

namespace velmora::testing {

struct ChartFacts {
  std::set<std::string> elements;  // 金 …
  std::set<std::string> stems;     // 甲 …
  std::set<std::string> gods;      // 正官 … (the day stem itself not counted)
  std::array<GodRole, 5> roleOf{};  // by Element
  int dayMaster = 0;
};

// The facts of a chart with the 大运 and 流年 its reading speaks of: the
// current ones, or the first 大运 before it starts.
ChartFacts FactsOf(const BaziChart& chart);

// The sentences of the paragraphs that name something the chart does not hold.
std::vector<std::string> UnfoundedSentences(const std::vector<std::string>& paragraphs, const ChartFacts& facts);

}  // namespace velmora::testing
