#pragma once
// How a week's sky bears on one sign: the rules that turn the facts of
// week_sky.h into the ratings and daily areas of the weekly forecast.
//
// Houses are whole signs counted from the reader's sign (its own sign is the
// 1st house, the next the 2nd, ...). Each area of life has two houses:
// love the 5th (romance) and 7th (partners), work the 6th (daily work) and
// 10th (career), money the 2nd (income) and 8th (shared money), health the
// 1st (the body) and 12th (rest and recovery). A house also fixes the aspect
// to the reader's sign: 1st 合 (same sign), 3rd and 11th 六合 (sextile), 5th
// and 9th 三合 (trine), 4th and 10th 刑 (square), 7th 冲 (opposition), the
// others none.
//
// Each area is rated out of five stars, starting from three:
//   - the Sun's sign at the middle of the week (Thursday 12:00): +1 to every
//     area when it is 合, 六合 or 三合 the reader's sign, −1 when 刑 or 冲;
//     +1 more to the area whose house the Sun stands in;
//   - the Moon: +1 to an area when the Moon spends at least 24 hours of the
//     week in its houses;
//   - lunations: a new moon in an area's house +1 (a fresh start), a full
//     moon there −1 (a peak that strains);
// and the result is kept within 1 to 5.
//
// Each day (its Moon is the Moon at 12:00 UTC+8) an area scores its stars,
// plus 3 when the Moon stands in its house. The best area scores highest; of
// equal scores, the one with a house nearest the Moon's, then the first in
// the order love, work, money, health. The weakest is, of the other three,
// the lowest; of equal scores, the one with its houses farthest from the
// Moon's, then the last in that order.

#include <array>
#include <ctime>
#include <vector>

#include "services/week_sky.h"

namespace velmora::services {

enum class Area { Love, Work, Money, Health };
inline constexpr int kAreaCount = 4;

enum class Aspect { Conjunction, Sextile, Square, Trine, Opposition, None };

// The house (1..12) a body in bodySign occupies for a reader of readerSign.
int HouseFrom(int readerSign, int bodySign);
Aspect AspectOfHouse(int house);
// +1 for 合, 六合 and 三合, −1 for 刑 and 冲, 0 without an aspect.
int AspectTone(Aspect aspect);
const std::array<int, 2>& HousesOf(Area area);

// One term of a rating: what in the sky moved it, and by how much.
struct RatingTerm {
  enum class Cause { SunAspect, SunInHouse, MoonInHouse, NewMoon, FullMoon } cause;
  int house;  // where the body stood (for the Sun's aspect: the Sun's house)
  int delta;
};

struct AreaRating {
  int stars;  // 1..5
  std::vector<RatingTerm> terms;
};

// The Moon's stay in one sign within the week.
struct MoonStay {
  int sign;
  int house;
  std::time_t from;
  std::time_t to;
};

struct DayAreas {
  std::time_t noon;
  int moonSign;
  int house;
  int dayInHouse;  // 0 for the first noon of the Moon in that house this week, 1 for the second, ...
  Area best;
  Area weakest;
};

struct WeekForecast {
  int sign;
  int sunSign;  // at the middle of the week
  int sunHouse;
  Aspect sunAspect;
  std::vector<MoonStay> moonStays;
  std::array<AreaRating, kAreaCount> ratings;
  std::array<DayAreas, 7> days;
};

WeekForecast ForecastOfWeek(const WeekSky& sky, int sign);

}  // namespace velmora::services
