#include "services/week_forecast.h"

#include <algorithm>
#include <cstdlib>

#include "calendar/cycle_math.h"

namespace velmora::services {
namespace {

constexpr int kBaseStars = 3;
constexpr int kMaxStars = 5;
constexpr std::time_t kLongStay = 24 * 3600;
constexpr std::time_t kSecondsPerDay = 24 * 3600;
constexpr int kMoonBonus = 3;

bool InHouses(Area area, int house) {
  const std::array<int, 2>& houses = HousesOf(area);
  return houses[0] == house || houses[1] == house;
}

// How many signs lie between the Moon's house and the nearer of the area's.
int Distance(Area area, int house) {
  int nearest = kSignCount;
  for (const int own : HousesOf(area)) {
    const int apart = std::abs(own - house);
    nearest = std::min(nearest, std::min(apart, kSignCount - apart));
  }
  return nearest;
}

std::vector<MoonStay> MoonStays(const WeekSky& sky, int sign) {
  std::vector<MoonStay> stays;
  std::time_t from = sky.start;
  int moonSign = sky.moonSignAtStart;
  for (const SignEntry& entry : sky.moonEntries) {
    stays.push_back({moonSign, HouseFrom(sign, moonSign), from, entry.at});
    from = entry.at;
    moonSign = entry.sign;
  }
  stays.push_back({moonSign, HouseFrom(sign, moonSign), from, sky.start + kSecondsPerWeek});
  return stays;
}

AreaRating Rate(Area area, const WeekForecast& week, const WeekSky& sky) {
  AreaRating rating{kBaseStars, {}};
  const auto add = [&rating](RatingTerm term) {
    if (term.delta == 0) return;
    rating.terms.push_back(term);
    rating.stars += term.delta;
  };
  add({RatingTerm::Cause::SunAspect, week.sunHouse, AspectTone(week.sunAspect)});
  if (InHouses(area, week.sunHouse)) add({RatingTerm::Cause::SunInHouse, week.sunHouse, 1});
  std::array<std::time_t, kSignCount + 1> hoursInHouse{};
  for (const MoonStay& stay : week.moonStays) hoursInHouse[stay.house] += stay.to - stay.from;
  for (const int house : HousesOf(area)) {
    if (hoursInHouse[house] >= kLongStay) {
      add({RatingTerm::Cause::MoonInHouse, house, 1});
      break;
    }
  }
  for (const Lunation& lunation : sky.lunations) {
    const int house = HouseFrom(week.sign, lunation.moonSign);
    if (!InHouses(area, house)) continue;
    if (lunation.phase == LunarPhase::New) add({RatingTerm::Cause::NewMoon, house, 1});
    if (lunation.phase == LunarPhase::Full) add({RatingTerm::Cause::FullMoon, house, -1});
  }
  rating.stars = std::clamp(rating.stars, 1, kMaxStars);
  return rating;
}

DayAreas AreasOfDay(const WeekForecast& week, const WeekSky& sky, int day,
                    std::array<int, kSignCount + 1>& noonsInHouse) {
  const std::time_t noon = sky.start + day * kSecondsPerDay + kSecondsPerDay / 2;
  const int moonSign = MoonSignAt(sky, noon);
  const int house = HouseFrom(week.sign, moonSign);
  const auto score = [&](Area area) {
    return week.ratings[static_cast<std::size_t>(area)].stars + (InHouses(area, house) ? kMoonBonus : 0);
  };
  constexpr std::array<Area, kAreaCount> kOrder = {Area::Love, Area::Work, Area::Money, Area::Health};
  Area best = kOrder[0];
  for (const Area area : kOrder) {
    if (score(area) > score(best) || (score(area) == score(best) && Distance(area, house) < Distance(best, house))) {
      best = area;
    }
  }
  Area weakest = best;
  for (const Area area : kOrder) {
    if (area == best) continue;
    if (weakest == best || score(area) < score(weakest) ||
        (score(area) == score(weakest) && Distance(area, house) >= Distance(weakest, house))) {
      weakest = area;
    }
  }
  return {noon, moonSign, house, noonsInHouse[house]++, best, weakest};
}

}  // namespace

int HouseFrom(int readerSign, int bodySign) { return FloorMod(bodySign - readerSign, kSignCount) + 1; }

Aspect AspectOfHouse(int house) {
  using enum Aspect;
  static constexpr std::array<Aspect, kSignCount> kAspects = {Conjunction, None, Sextile, Square, Trine,   None,
                                                              Opposition,  None, Trine,   Square, Sextile, None};
  return kAspects[static_cast<std::size_t>(house - 1)];
}

int AspectTone(Aspect aspect) {
  switch (aspect) {
    case Aspect::Conjunction:
    case Aspect::Sextile:
    case Aspect::Trine: return 1;
    case Aspect::Square:
    case Aspect::Opposition: return -1;
    case Aspect::None: break;
  }
  return 0;
}

const std::array<int, 2>& HousesOf(Area area) {
  static constexpr std::array<std::array<int, 2>, kAreaCount> kHouses = {{{5, 7}, {6, 10}, {2, 8}, {1, 12}}};
  return kHouses[static_cast<std::size_t>(area)];
}

WeekForecast ForecastOfWeek(const WeekSky& sky, int sign) {
  WeekForecast week{};
  week.sign = sign;
  const std::time_t middle = sky.start + kSecondsPerWeek / 2;  // Thursday 12:00
  week.sunSign = sky.sunSignAtStart;
  for (const SignEntry& entry : sky.sunEntries) {
    if (entry.at <= middle) week.sunSign = entry.sign;
  }
  week.sunHouse = HouseFrom(sign, week.sunSign);
  week.sunAspect = AspectOfHouse(week.sunHouse);
  week.moonStays = MoonStays(sky, sign);
  for (int area = 0; area < kAreaCount; ++area) {
    week.ratings[static_cast<std::size_t>(area)] = Rate(static_cast<Area>(area), week, sky);
  }
  std::array<int, kSignCount + 1> noonsInHouse{};
  for (int day = 0; day < 7; ++day) {
    week.days[static_cast<std::size_t>(day)] = AreasOfDay(week, sky, day, noonsInHouse);
  }
  return week;
}

}  // namespace velmora::services
