#pragma once
// The 24 solar terms from a closed-form formula in UTC+8. Term n = 1..24 runs
// through the civil year from 小寒; civil month m holds terms 2m-1 and 2m.

#include <string>

#include "calendar/civil_date.h"

namespace velmora {

// 立春 … 大寒, index 0..23.
const std::string& SolarTermName(int index);

// Fractional day of the year (1.0 = the start of 1 January, UTC+8) of term n.
double SolarTermMoment(int year, int n);

// The civil date of term n: the day the integer part of the moment counts to.
// Under the Julian calendar a term can fall on the last days of the month
// before its usual one, or even in December of the year before.
CivilDate SolarTermDate(int year, int n);

// The name of the term falling on the date, else empty.
std::string SolarTermOfDate(int year, int month, int day);

}  // namespace velmora
