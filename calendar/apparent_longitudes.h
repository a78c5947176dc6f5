#pragma once
// The apparent geocentric ecliptic longitudes of date of the Sun and the Moon,
// in degrees, at an ephemeris moment (Julian day in dynamical time), from
// libnova. Callers hold LibnovaMutex (calendar/libnova_lock.h).
//
// libnova 0.16 gives both bodies on the ecliptic and equinox of J2000 (FK5),
// its own "apparent" solar longitude adds the nutation of date to that and
// divides the aberration constant by 360 × 3600 instead of 3600, and its
// ecliptic precession is an empty stub. So the longitude of date is built
// here: the J2000 longitude, plus the general precession in longitude (IAU
// 1976, Meeus eq. 21.6), plus libnova's nutation in longitude, and for the Sun
// minus the aberration 20.4898″ / R (Meeus eq. 25.10). ln_get_nutation reuses
// its last result for any moment within 0.1 day of it; asking first for a
// moment a day away makes every longitude independent of earlier calls. (It
// takes its argument for UT and adds its own ΔT, a minute late: far below a
// millisecond of the Sun.) The ecliptic's own slow turn, left out, moves the
// Moon's longitude by less than two arcseconds.

namespace velmora {

// 0 ≤ l < 360 is not promised: callers reduce as they need.
double ApparentSolarLongitude(double jde);

// Terms of the lunar series below 1e-6 are left out: the longitude stays
// within 0.0011° (four seconds of the Moon's motion) of the full series at a
// thirtieth of its cost.
double ApparentLunarLongitude(double jde);

}  // namespace velmora
