#pragma once
// The published dates of the lunar new year (Spring Festival), 1900..2049. They
// decide the year of the sexagenary cycle of a birth and are used as they stand,
// also where they differ from the new-moon series (2023, 2030).

#include <optional>
#include <string>

#include "calendar/civil_date.h"

namespace velmora {

inline constexpr int kFirstSpringFestivalYear = 1900;
inline constexpr int kLastSpringFestivalYear = 2049;

// "yyyy-m-d" without leading zeros in month and day; empty outside the table.
std::string SpringFestivalTable(int year);
std::optional<CivilDate> SpringFestivalDate(int year);

}  // namespace velmora
