#include "calendar/equation_of_time.h"

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kMinutesPerDegree = 4;

double Sin(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
double Cos(double degrees) { return std::cos(degrees * kRadiansPerDegree); }

// An angle in degrees brought to -180 ≤ a < 180.
double Centred(double degrees) { return degrees - 360 * std::floor((degrees + 180) / 360); }

}  // namespace

double EquationOfTimeMinutes(double julianDayUt) {
  const double t = (julianDayUt - kJ2000) / kDaysPerJulianCentury;
  // The Sun's geometric mean longitude and mean anomaly (Meeus 25.2, 25.3).
  const double meanLongitude = 280.46646 + (36000.76983 + 0.0003032 * t) * t;
  const double meanAnomaly = 357.52911 + (35999.05029 - 0.0001537 * t) * t;
  const double centre = (1.914602 - (0.004817 + 0.000014 * t) * t) * Sin(meanAnomaly) +
                        (0.019993 - 0.000101 * t) * Sin(2 * meanAnomaly) + 0.000289 * Sin(3 * meanAnomaly);
  // The Moon's ascending node, and the apparent longitude: aberration and nutation (25.8).
  const double node = 125.04452 - 1934.136261 * t;
  const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * Sin(node);
  // The obliquity of date (22.2, 25.8) and the nutation in longitude (22, main terms).
  const double meanObliquity = 23.4392911 - (46.8150 + (0.00059 - 0.001813 * t) * t) * t / 3600;
  const double obliquity = meanObliquity + 0.00256 * Cos(node);
  const double moonMeanLongitude = 218.3165 + 481267.8813 * t;
  const double nutationInLongitude =
      (-17.20 * Sin(node) - 1.32 * Sin(2 * meanLongitude) - 0.23 * Sin(2 * moonMeanLongitude) + 0.21 * Sin(2 * node)) /
      3600;
  const double rightAscension =
      std::atan2(Cos(obliquity) * Sin(apparentLongitude), Cos(apparentLongitude)) / kRadiansPerDegree;
  const double equation = meanLongitude - 0.0057183 - rightAscension + nutationInLongitude * Cos(obliquity);
  return Centred(equation) * kMinutesPerDegree;
}

}  // namespace velmora
