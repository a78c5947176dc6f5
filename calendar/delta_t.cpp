#include "calendar/delta_t.h"

#include <initializer_list>
#include <iterator>

namespace velmora {
namespace {

// c0 + c1 t + c2 t² + …
double Polynomial(double t, std::initializer_list<double> coefficients) {
  double sum = 0;
  for (auto c = std::rbegin(coefficients); c != std::rend(coefficients); ++c) sum = sum * t + *c;
  return sum;
}

// The long-term parabola of Morrison and Stephenson, used outside the fitted spans.
double LongTerm(double year) {
  const double u = (year - 1820) / 100;
  return -20 + 32 * u * u;
}

}  // namespace

// The coefficients as the canon prints them, span by span.
double DeltaTSeconds(double y) {
  if (y < -500) return LongTerm(y);
  if (y < 500) {
    return Polynomial(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
  }
  if (y < 1600) {
    return Polynomial((y - 1000) / 100,
                      {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
  }
  if (y < 1700) return Polynomial(y - 1600, {120, -0.9808, -0.01532, 1 / 7129.0});
  if (y < 1800) return Polynomial(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1 / 1174000.0});
  if (y < 1860) {
    return Polynomial(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
                                 0.000000000875});
  }
  if (y < 1900) return Polynomial(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1 / 233174.0});
  if (y < 1920) return Polynomial(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
  if (y < 1941) return Polynomial(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
  if (y < 1961) return Polynomial(y - 1950, {29.07, 0.407, -1 / 233.0, 1 / 2547.0});
  if (y < 1986) return Polynomial(y - 1975, {45.45, 1.067, -1 / 260.0, -1 / 718.0});
  if (y < 2005) return Polynomial(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
  if (y < 2050) return Polynomial(y - 2000, {62.92, 0.32217, 0.005589});
  if (y < 2150) return LongTerm(y) - 0.5628 * (2150 - y);
  return LongTerm(y);
}

}  // namespace velmora
