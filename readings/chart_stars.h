#pragma once
// The 神煞 that stand on each pillar of a chart, placed by the rules of
// readings/star_rules.h: a rule starting from a stem looks at all four
// pillars; one starting from a branch looks at the other three (a branch is
// no star to itself); a rule naming whole pillars looks at the day pillar (and
// the hour pillar where it says so).

#include <array>
#include <vector>

#include "calendar/four_pillars.h"
#include "readings/star_rules.h"

namespace velmora {

struct ChartStar {
  const StarRule* rule = nullptr;
  std::vector<StarBasis> by;  // the bases that placed it (none for a rule naming whole pillars)
};

// The stars of the year, month, day and hour pillars, each in the order of the rules.
std::array<std::vector<ChartStar>, 4> StarsOf(const FourPillars& pillars);

}  // namespace velmora
