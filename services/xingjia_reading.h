#pragma once
// The 形家 school's reading of a name: the five grids from the strokes of the
// name's traditional characters, and how each of the other four grids stands
// to 人格, the self, by the cycle of the five elements (生我, 我生, 剋我, 我剋,
// 比和): 天格 speaks of elders, 地格 of spouse and children, 外格 of friends,
// 總格 of one's own later years. The sentences are reviewed prose in
// traditional characters (data/services/xingjia_relations.tsv). GBK.

#include <string>
#include <vector>

#include "readings/element_cycle.h"
#include "services/name_chart.h"
#include "services/sources.h"

namespace velmora::services {

// How a grid of the first element stands to 人格 of the second (木 火 土 金 水);
// throws std::invalid_argument for a text that is no element.
ElementRelation RelationToSelf(const std::string& gridElement, const std::string& selfElement);

// 生我, 我生, 剋我, 我剋 or 比和.
std::string RelationName(ElementRelation relation);

struct XingjiaLine {
  std::string grid;      // 天格, 地格, 外格, 總格
  std::string concerns;  // 長上, 配偶子女, 朋友外緣, 晚年
  ElementRelation relation;
  std::string reading;
};

// The four readings of a complete chart, in the order above.
std::vector<XingjiaLine> XingjiaReading(const NameChart& chart, const Sources& sources);

}  // namespace velmora::services
