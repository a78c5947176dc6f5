#pragma once

namespace velmora {

// The remainder in 0 .. divisor-1, also for negative values: positions in the
// stem, branch and day cycles count this way across year 0 and backwards.
constexpr int FloorMod(int value, int divisor) { return ((value % divisor) + divisor) % divisor; }

}  // namespace velmora
