#pragma once
// Which lunar month of each civil year 0..2100 is followed by a leap month.

namespace velmora {

// 0 when the year has no leap month, else the month 1..12 the leap month
// follows. Years outside 0..2100 have none.
int LeapMonthOf(int year);

// Leap months counted from the lunation epoch up to and including the year
// (311 of them lie before year 1).
int LeapMonthsThrough(int year);

}  // namespace velmora
