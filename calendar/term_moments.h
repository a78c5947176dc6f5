#pragma once
// The moments of the 24 solar terms as the four pillars take them: when the
// Sun's apparent ecliptic longitude of date (VSOP87 through libnova, with
// nutation and aberration) reaches its multiple of 15°, turned from dynamical
// time into UTC with ΔT (calendar/delta_t.h) and into UTC+8, to the second.
// The calendar's labels keep their own closed-form series (solar_terms.h).
//
// Each civil year's 24 moments are computed once, on first use, for the years
// 1 to 2101 (other years on every call); after that the table is read without
// locks, so any number of threads may ask at once.

#include <string>

#include "calendar/civil_moment.h"

namespace velmora {

// Term n = 1 .. 24 of a civil year, counted as solar_terms.h counts them:
// 1 = 小寒 (285°), 3 = 立春 (315°), … 23 = 大雪 (255°), 24 = 冬至 (270°). The odd
// terms are the 节 that open the months.
Moment TermMoment(int year, int n);

struct TermInstant {
  int year = 0;
  int n = 0;
  Moment moment = 0;
};

// The last 节 at or before a moment, and the first 节 after it.
TermInstant JieAtOrBefore(Moment moment);
TermInstant JieAfter(Moment moment);

// The name of the term, such as 立春 (GBK).
const std::string& TermName(const TermInstant& term);

}  // namespace velmora
