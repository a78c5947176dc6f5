#include "readings/empty_branches.h"

namespace velmora {

std::array<int, 2> EmptyBranchesOf(const Pillar& pillar) {
  const int weekStart = pillar.CycleIndex() / 10 * 10;  // the 甲 pillar that opens the 旬
  return {(weekStart + 10) % 12, (weekStart + 11) % 12};
}

}  // namespace velmora
