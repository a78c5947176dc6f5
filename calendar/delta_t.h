#pragma once
// ΔT = TT − UT, the lag of the Earth's rotation behind uniform (dynamical)
// time, which turns an ephemeris moment into a clock moment.
//
// Model: the polynomials of Espenak and Meeus (NASA, "Five Millennium Canon of
// Solar Eclipses: −1999 to +3000", 2006, section "Polynomial expressions for
// Delta T"), which fit the observed values (Morrison and Stephenson 2004; IERS)
// up to 2005 and extrapolate beyond: about 64 s in 2000, 69 s observed in 2020
// against 71 s from the polynomial, and 203 s by 2100, where the true value is
// uncertain by minutes. At the minute level of the four pillars this matters
// only in the distant past and future.

namespace velmora {

// ΔT in seconds at a decimal year (2000.5 = the middle of 2000).
double DeltaTSeconds(double year);

}  // namespace velmora
