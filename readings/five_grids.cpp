#include "readings/five_grids.h"

#include <initializer_list>

namespace velmora {
namespace {

// The sum of the named counts (1-based) plus a constant, or nothing when a count is missing.
std::optional<int> Sum(const std::array<std::optional<int>, 4>& strokes, std::initializer_list<int> which, int plus = 0) {
  int sum = plus;
  for (int k : which) {
    const std::optional<int>& count = strokes[static_cast<std::size_t>(k - 1)];
    if (!count) return std::nullopt;
    sum += *count;
  }
  return sum;
}

}  // namespace

FiveGrids GridsOf(const std::array<std::optional<int>, 4>& s, int length, bool compoundSurname) {
  FiveGrids grids;
  if (!compoundSurname) {
    grids.heaven = Sum(s, {1}, 1);
    grids.person = Sum(s, {1, 2});
    if (length == 4) {
      grids.earth = Sum(s, {2}, 1);
      grids.outer = 2;
    } else if (length == 6) {
      grids.earth = Sum(s, {2, 3});
      grids.outer = Sum(s, {3}, 1);
    } else if (length == 8) {
      grids.earth = Sum(s, {2, 3, 4});
      grids.outer = Sum(s, {4}, 1);
    }
  } else {
    grids.heaven = Sum(s, {1, 2});
    grids.person = Sum(s, {2, 3});
    if (length == 6) {
      grids.earth = Sum(s, {3}, 1);
      grids.outer = Sum(s, {1}, 1);
    } else if (length == 8) {
      grids.earth = Sum(s, {3, 4});
      grids.outer = Sum(s, {1, 4});
    }
  }
  if (length == 4) grids.total = Sum(s, {1, 2});
  if (length == 6) grids.total = Sum(s, {1, 2, 3});
  if (length == 8) grids.total = Sum(s, {1, 2, 3, 4});
  return grids;
}

}  // namespace velmora
