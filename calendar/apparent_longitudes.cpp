#include "calendar/apparent_longitudes.h"

#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/solar.h>

namespace velmora {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525;
constexpr double kAberrationArcseconds = 20.4898;
constexpr double kLunarSeriesPrecision = 1e-6;

// The precession in longitude since J2000 plus the nutation, in degrees.
double J2000ToApparent(double jde) {
  ln_nutation nutation;
  ln_get_nutation(jde + 1, &nutation);
  ln_get_nutation(jde, &nutation);
  const double t = (jde - kJ2000) / kDaysPerJulianCentury;
  const double precessionArcseconds = (5029.0966 + (1.11113 - 0.000006 * t) * t) * t;
  return precessionArcseconds / 3600 + nutation.longitude;
}

}  // namespace

double ApparentSolarLongitude(double jde) {
  ln_helio_posn sun;
  ln_get_solar_geom_coords(jde, &sun);
  return sun.L + J2000ToApparent(jde) - kAberrationArcseconds / 3600 / sun.R;
}

double ApparentLunarLongitude(double jde) {
  ln_lnlat_posn moon;
  ln_get_lunar_ecl_coords(jde, &moon, kLunarSeriesPrecision);
  return moon.lng + J2000ToApparent(jde);
}

}  // namespace velmora
