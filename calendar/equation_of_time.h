#pragma once
// The equation of time: apparent (true) solar time minus mean solar time, in
// minutes, about -14.2 in February to +16.4 in early November.
//
// Method: Meeus, "Astronomical Algorithms" (2nd ed.), eq. 28.3, E = L0 -
// 0.0057183° - α + Δψ·cos ε, with the Sun's mean longitude L0, its apparent
// right ascension α from the low-accuracy solar theory of chapter 25 (0.01° in
// longitude) and the main terms of the nutation (chapter 22). That keeps the
// equation within a few seconds over 1..2100 at the cost of a few sines, with
// no ephemeris lock, so any thread may call it.

namespace velmora {

// At a moment given as a Julian day of universal time (the difference to
// dynamical time moves the result by far less than a second).
double EquationOfTimeMinutes(double julianDayUt);

}  // namespace velmora
