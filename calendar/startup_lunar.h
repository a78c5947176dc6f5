#pragma once
// The start-up lunar text: a table-driven conversion for the civil years
// 1901..2050, independent of the new-moon series and not always in step with it.

#include <string>

#include "calendar/civil_date.h"

namespace velmora {

// month * 100 + day for a regular month, -(month * 100 + day) for a leap
// month, 0 outside 1901..2050.
int StartupLunarCode(const CivilDate& date);

// Month text and day text, such as 四月初五 or 闰四初一. Outside the table's
// years it falls back to the full conversion, so start-up always has a text.
std::string StartupLunarText(const CivilDate& date);

}  // namespace velmora
