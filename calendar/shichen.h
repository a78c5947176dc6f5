#pragma once

#include <string>

namespace velmora {

// The two-hour period of a birth hour 0..23: 子时 for 23 and 0, 丑时 for 1 and
// 2, … 亥时 for 21 and 22.
std::string HourToShichen(int hour);

}  // namespace velmora
