#pragma once
// The empty branches (旬空) of a pillar: its ten-day week (旬) pairs ten stems
// with ten of the twelve branches, and the two left over are empty, such as
// 戌亥 for every pillar from 甲子 to 癸酉.

#include <array>

#include "calendar/four_pillars.h"

namespace velmora {

// The two branches 0..11, in cycle order.
std::array<int, 2> EmptyBranchesOf(const Pillar& pillar);

}  // namespace velmora
