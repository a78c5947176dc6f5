#include "calendar/new_moon.h"

#include <cmath>
#include <numbers>

#include "calendar/per_year_cache.h"

namespace velmora {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

double Fraction(double x) { return x - std::floor(x); }

}  // namespace

double NewMoonMoment(int year, int v) {
  const double T = (year - 1899.5) / 100.0;
  const double k = std::floor((year - 1900) * 12.3685);
  const double T2 = T * T;
  const double T3 = T * T * T;
  const double M0 = 2 * std::numbers::pi * Fraction(k * 0.08084821133) +
                    (359.2242 - 0.0000333 * T2 - 0.00000347 * T3) * kDegree;
  const double Mp0 = 2 * std::numbers::pi * Fraction(k * 0.07171366128) +
                     (306.0253 + 0.0107306 * T2 + 0.00001236 * T3) * kDegree;
  const double F0 = 2 * std::numbers::pi * Fraction(k * 0.08519585128) +
                    (21.2964 - 0.0016528 * T2 - 0.00000239 * T3) * kDegree;
  const double M = M0 + 0.507984293 * v;
  const double Mp = Mp0 + 6.73377553 * v;
  const double F = F0 + 6.818486628 * v;
  // Summed in the order the terms are usually written, so that rounding agrees
  // with other implementations of the same series on near-midnight moons.
  return 693595 + 29 * k + 28 * v + 0.75933 - 0.0002172 * T2 - 0.000000155 * T3 + 0.53058868 * k -
         0.000837 * T + 8.0 / 24.0 + 0.5 + 1.53058868 * v + (0.1734 - 0.000393 * T) * std::sin(M) -
         0.4068 * std::sin(Mp) + 0.0021 * std::sin(2 * M) + 0.0161 * std::sin(2 * Mp) +
         0.0104 * std::sin(2 * F) - 0.0074 * std::sin(M - Mp) - 0.0051 * std::sin(M + Mp);
}

NewMoonDays ComputeNewMoonDays(int year) {
  NewMoonDays days{};
  for (int v = kFirstLunation; v <= kLastLunation; ++v) {
    days[static_cast<std::size_t>(v - kFirstLunation)] =
        static_cast<DayNumber>(std::floor(NewMoonMoment(year, v)));
  }
  return days;
}

const NewMoonDays& CachedNewMoonDays(int year) {
  // 2101 is covered because the new-year search of 2100 probes into it.
  static PerYearCache<NewMoonDays, 1, 2101> cache;
  return cache.Get(year, ComputeNewMoonDays);
}

}  // namespace velmora
