#include "readings/weighted_elements.h"

#include "readings/hidden_stems.h"

namespace velmora {

std::array<int, 5> WeightedElements(const FourPillars& pillars, const PositionWeights& weights) {
  const Pillar columns[4] = {pillars.year, pillars.month, pillars.day, pillars.hour};
  std::array<int, 5> sums{};
  for (std::size_t k = 0; k < 4; ++k) {
    sums[static_cast<std::size_t>(StemElement(columns[k].stem))] += weights.stems[k] * 10;
    for (const HiddenStem& hidden : HiddenStemsOf(columns[k].branch)) {
      sums[static_cast<std::size_t>(StemElement(hidden.stem))] += weights.branches[k] * hidden.tenths;
    }
  }
  return sums;
}

std::array<int, 5> ElementTenths(const FourPillars& pillars) {
  return WeightedElements(pillars, {{1, 1, 1, 1}, {1, 1, 1, 1}});
}

}  // namespace velmora
