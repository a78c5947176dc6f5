#pragma once
// Element counts of a chart with the hidden stems: every stem counts for its
// element, every branch is shared among its hidden stems (readings/hidden_stems.h:
// 10 tenths for one stem, 7 + 3 for two, 6 + 3 + 1 for three).

#include <array>

#include "calendar/four_pillars.h"

namespace velmora {

// How much each of the eight characters weighs, year to hour.
struct PositionWeights {
  std::array<int, 4> stems;
  std::array<int, 4> branches;
};

// The sums by element (indexed by Element: 金 木 水 火 土), in weight × tenths.
std::array<int, 5> WeightedElements(const FourPillars& pillars, const PositionWeights& weights);

// Every character weighs one: the counts in tenths of a character, 80 in all.
std::array<int, 5> ElementTenths(const FourPillars& pillars);

}  // namespace velmora
