#pragma once
// How one element stands to another in the generating cycle (木生火, 火生土,
// 土生金, 金生水, 水生木) and the controlling cycle (木克土, 土克水, 水克火, 火克金,
// 金克木): the relation every bazi judgement starts from.

#include "calendar/four_pillars.h"

namespace velmora {

// What `other` is to `self`.
enum class ElementRelation {
  Same,       // 同我: 比肩, 劫财
  Output,     // 我生: 食神, 伤官
  Wealth,     // 我克: 偏财, 正财
  Officer,    // 克我: 七杀, 正官
  Resource,   // 生我: 偏印, 正印
};

ElementRelation RelationOf(Element self, Element other);
// The element that stands in the relation to `self`.
Element ElementInRelation(Element self, ElementRelation relation);

}  // namespace velmora
