#include "readings/day_master_strength.h"

#include "readings/weighted_elements.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// In halves of a character: stems year, month, (day master left out), hour;
// branches year, month, day, hour.
constexpr PositionWeights kStrengthWeights = {{2, 2, 0, 2}, {2, 6, 3, 2}};

int Weight(const DayMasterStrength& strength, ElementRelation relation) {
  return strength.byRelation[static_cast<std::size_t>(relation)];
}

}  // namespace

DayMasterStrength StrengthOf(const FourPillars& pillars) {
  const Element self = StemElement(pillars.day.stem);
  const std::array<int, 5> byElement = WeightedElements(pillars, kStrengthWeights);
  DayMasterStrength strength;
  for (std::size_t e = 0; e < 5; ++e) {
    strength.byRelation[static_cast<std::size_t>(RelationOf(self, static_cast<Element>(e)))] += byElement[e];
    strength.total += byElement[e];
  }
  strength.support = Weight(strength, ElementRelation::Same) + Weight(strength, ElementRelation::Resource);
  strength.score = (200 * strength.support + strength.total) / (2 * strength.total);
  strength.strong = strength.score >= 50;

  ElementRelation useful, favourable;
  if (!strength.strong) {
    const int wealth = Weight(strength, ElementRelation::Wealth);
    const bool wealthDrainsMost =
        wealth > Weight(strength, ElementRelation::Officer) && wealth > Weight(strength, ElementRelation::Output);
    useful = wealthDrainsMost ? ElementRelation::Same : ElementRelation::Resource;
    favourable = wealthDrainsMost ? ElementRelation::Resource : ElementRelation::Same;
  } else if (Weight(strength, ElementRelation::Resource) > Weight(strength, ElementRelation::Same)) {
    useful = ElementRelation::Wealth;
    favourable = ElementRelation::Output;
  } else {
    useful = ElementRelation::Officer;
    favourable = ElementRelation::Wealth;
  }
  strength.useful = ElementInRelation(self, useful);
  strength.favourable = ElementInRelation(self, favourable);
  return strength;
}

const std::string& StrengthName(bool strong) {
  static const std::string names[2] = {"身弱"_gbk, "身强"_gbk};
  return names[strong ? 1 : 0];
}

}  // namespace velmora
