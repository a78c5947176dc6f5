#include "readings/element_cycle.h"

#include <cstddef>

namespace velmora {
namespace {

// Generating order 木 火 土 金 水; position k controls position k + 2.
constexpr Element kCycle[5] = {Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water};

int PositionOf(Element element) {
  for (int k = 0; k < 5; ++k) {
    if (kCycle[k] == element) return k;
  }
  return 0;
}

}  // namespace

ElementRelation RelationOf(Element self, Element other) {
  static constexpr ElementRelation kBySteps[5] = {ElementRelation::Same, ElementRelation::Output,
                                                  ElementRelation::Wealth, ElementRelation::Officer,
                                                  ElementRelation::Resource};
  return kBySteps[(PositionOf(other) - PositionOf(self) + 5) % 5];
}

Element ElementInRelation(Element self, ElementRelation relation) {
  return kCycle[(PositionOf(self) + static_cast<int>(relation)) % 5];
}

}  // namespace velmora
