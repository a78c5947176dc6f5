#pragma once
// Charts for the tests of the 八字 judgement: random births over the years
// the charts cover, and charts written as text ("癸丑 辛酉 丙子 己亥", UTF-8).

#include <string>
#include <string_view>
#include <vector>

#include "calendar/four_pillars.h"

namespace velmora {

// `count` births at whole hours, 1901-01-01 to 2100-12-31, the same for the same seed.
std::vector<DateTime> RandomBirths(int count, unsigned seed);
// Their pillars.
std::vector<FourPillars> RandomPillars(int count, unsigned seed);

// Stem 0..9 and branch 0..11 of their UTF-8 names.
int StemIndex(std::string_view utf8);
int BranchIndex(std::string_view utf8);
// Four pillars written as "癸丑 辛酉 丙子 己亥".
FourPillars PillarsOf(std::string_view utf8);
std::string PillarsText(const FourPillars& pillars);

}  // namespace velmora
