#pragma once
// The new-moon series: seven periodic terms around the mean lunation, placed in
// UTC+8. Lunation v counts from lunation k = floor((year - 1900) * 12.3685).

#include <array>

#include "calendar/day_number.h"

namespace velmora {

// The moment of new moon v of the given civil year, as a fractional day number.
double NewMoonMoment(int year, int v);

// The day numbers of the new moons v = -1 .. 13 of a civil year, in that order.
inline constexpr int kFirstLunation = -1;
inline constexpr int kLastLunation = 13;
using NewMoonDays = std::array<DayNumber, kLastLunation - kFirstLunation + 1>;

NewMoonDays ComputeNewMoonDays(int year);
// The same, computed once per year.
const NewMoonDays& CachedNewMoonDays(int year);

}  // namespace velmora
