#pragma once
// Element counts of a chart with the hidden stems: every stem counts for its
// element, every branch is shared among its hidden stems (readings/hidden_stems.h:
// 10 tenths for one stem, 7 + 3 for two, 6 + 3 + 1 for three).

#include <array>

#include "calendar/four_pillars.h"

namespace velmora {

// Every character weighs one: the counts in tenths of a character, 80 in all,
// indexed by Element (金 木 水 火 土).
std::array<int, 5> ElementTenths(const FourPillars& pillars);

}  // namespace velmora
