#include "services/week_forecast.h"

#include <gtest/gtest.h>

namespace velmora::services {
namespace {

constexpr std::time_t kMonday = 1796572800;  // 2026-12-07 00:00 UTC+8
constexpr std::time_t kHour = 3600;

constexpr int kAries = 0;

std::array<int, kAreaCount> Stars(const WeekForecast& week) {
  std::array<int, kAreaCount> stars{};
  for (int i = 0; i < kAreaCount; ++i)
    stars[static_cast<std::size_t>(i)] = week.ratings[static_cast<std::size_t>(i)].stars;
  return stars;
}

TEST(WeekForecast, HousesCountWholeSignsFromTheReadersSign) {
  struct Case {
    int reader;
    int body;
    int house;
    Aspect aspect;
  };
  const Case cases[] = {
      {0, 0, 1, Aspect::Conjunction},  // 白羊座 in 白羊座
      {11, 8, 10, Aspect::Square},     // 射手座 for 双鱼座
      {0, 11, 12, Aspect::None},       // the sign before, round the circle
      {9, 3, 7, Aspect::Opposition},   // 巨蟹座 for 摩羯座
      {4, 0, 9, Aspect::Trine},        // 白羊座 for 狮子座
      {4, 8, 5, Aspect::Trine},        // 射手座 for 狮子座
      {6, 8, 3, Aspect::Sextile},      // 射手座 for 天秤座
      {6, 4, 11, Aspect::Sextile},     // 狮子座 for 天秤座
      {2, 5, 4, Aspect::Square},       // 处女座 for 双子座
      {1, 2, 2, Aspect::None},         // 双子座 for 金牛座
      {1, 6, 6, Aspect::None},         // 天秤座 for 金牛座
      {1, 8, 8, Aspect::None},         // 射手座 for 金牛座
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HouseFrom(c.reader, c.body), c.house) << c.reader << " " << c.body;
    EXPECT_EQ(AspectOfHouse(c.house), c.aspect) << c.house;
  }
}

// 白羊座's week: the Sun in 狮子座 (5th house, 三合); the Moon 30 hours in
// the 5th, 60 in the 6th, 60 in the 7th, 18 in the 8th; a first quarter in
// the 5th and a new moon in the 7th.
WeekSky BusyWeek() {
  return {
      kMonday, 4,  {{kMonday + 30 * kHour, 5}, {kMonday + 90 * kHour, 6}, {kMonday + 150 * kHour, 7}},
      4,       {}, {{kMonday + 10 * kHour, LunarPhase::FirstQuarter, 4}, {kMonday + 100 * kHour, LunarPhase::New, 6}}};
}

TEST(WeekForecast, RatingsAddTheSunTheMoonsLongStaysAndTheLunationsAndStopAtFive) {
  const WeekForecast week = ForecastOfWeek(BusyWeek(), kAries);
  EXPECT_EQ(week.sunHouse, 5);
  EXPECT_EQ(week.sunAspect, Aspect::Trine);
  // love: 3 + Sun's trine + Sun in the 5th + Moon 30 h in the 5th + new moon in the 7th = 7, kept at 5;
  // work: + trine + Moon 60 h in the 6th; money: + trine (18 h in the 8th is too short); health: + trine
  EXPECT_EQ(Stars(week), (std::array{5, 5, 4, 4}));
  using Cause = RatingTerm::Cause;
  const std::vector<RatingTerm>& love = week.ratings[0].terms;
  ASSERT_EQ(love.size(), 4u);
  EXPECT_EQ(love[0].cause, Cause::SunAspect);
  EXPECT_EQ(love[1].cause, Cause::SunInHouse);
  EXPECT_EQ(love[2].cause, Cause::MoonInHouse);
  EXPECT_EQ(love[2].house, 5);  // the first of its houses counts, the 7th adds nothing more
  EXPECT_EQ(love[3].cause, Cause::NewMoon);
  EXPECT_EQ(love[3].house, 7);
  ASSERT_EQ(week.moonStays.size(), 4u);
  EXPECT_EQ(week.moonStays[3].to - week.moonStays[3].from, 18 * kHour);  // the last stay ends with the week
}

TEST(WeekForecast, HardAspectsAndFullMoonsTakeStarsAway) {
  // 白羊座 with the Sun in 巨蟹座 (4th, 刑) and a full moon in 狮子座 (5th)
  WeekSky sky{kMonday, 3, {}, 3, {}, {{kMonday + 50 * kHour, LunarPhase::Full, 4}}};
  const WeekForecast week = ForecastOfWeek(sky, kAries);
  EXPECT_EQ(Stars(week), (std::array{1, 2, 2, 2}));
  EXPECT_EQ(week.ratings[0].terms.back().cause, RatingTerm::Cause::FullMoon);
  EXPECT_EQ(week.ratings[0].terms.back().delta, -1);
}

TEST(WeekForecast, TheMoonCountsFromTwentyFourHoursInAHouse) {
  struct Case {
    std::time_t stay;
    int loveStars;
  };
  const Case cases[] = {
      {24 * kHour, 5},      // a full day in the 5th lifts love
      {24 * kHour - 1, 4},  // a second less does not
  };
  for (const Case& c : cases) {
    // Sun in 双子座 (3rd, 六合): every area starts at 4; the Moon passes 巨蟹座, 狮子座, 处女座
    WeekSky sky{kMonday, 3, {{kMonday + 100 * kHour, 4}, {kMonday + 100 * kHour + c.stay, 5}}, 2, {}, {}};
    EXPECT_EQ(ForecastOfWeek(sky, kAries).ratings[0].stars, c.loveStars) << c.stay;
  }
}

TEST(WeekForecast, TheSunsSignIsTheOneItHoldsAtMidweek) {
  struct Case {
    std::time_t entry;
    int sunSign;
  };
  const Case cases[] = {
      {kMonday + 84 * kHour, 5},      // entering 处女座 at Thursday noon: the new sign
      {kMonday + 84 * kHour + 1, 4},  // a second later: the old one
  };
  for (const Case& c : cases) {
    WeekSky sky{kMonday, 4, {}, 4, {{c.entry, 5}}, {}};
    EXPECT_EQ(ForecastOfWeek(sky, kAries).sunSign, c.sunSign);
  }
}

TEST(WeekForecast, EachDaysBestAreaIsWhereTheMoonStandsAndItsWeakestTheFarthest) {
  const WeekForecast week = ForecastOfWeek(BusyWeek(), kAries);
  struct Case {
    int house;
    int dayInHouse;
    Area best;
    Area weakest;
  };
  const Case cases[] = {
      {5, 0, Area::Love, Area::Health},   // Monday: money and health tie at 4; health's houses lie farther
      {6, 0, Area::Work, Area::Health},   // Tuesday
      {6, 1, Area::Work, Area::Health},   // Wednesday: the Moon's second noon in the 6th
      {6, 2, Area::Work, Area::Health},   // Thursday
      {7, 0, Area::Love, Area::Health},   // Friday
      {7, 1, Area::Love, Area::Health},   // Saturday
      {8, 0, Area::Money, Area::Health},  // Sunday: money 4 + 3 beats love and work at 5
  };
  for (std::size_t day = 0; day < 7; ++day) {
    const DayAreas& areas = week.days[day];
    EXPECT_EQ(areas.noon, kMonday + static_cast<std::time_t>(day) * 24 * kHour + 12 * kHour);
    EXPECT_EQ(areas.house, cases[day].house) << day;
    EXPECT_EQ(areas.dayInHouse, cases[day].dayInHouse) << day;
    EXPECT_EQ(areas.best, cases[day].best) << day;
    EXPECT_EQ(areas.weakest, cases[day].weakest) << day;
  }
}

TEST(WeekForecast, EqualScoresGoToTheAreaNearestTheMoonAndTheWeakestToTheFarthest) {
  struct Case {
    int sunSign;
    int moonSign;
    Area best;
    Area weakest;
  };
  const Case cases[] = {
      // Sun in the 3rd (六合): every area 4; the Moon in the 4th is one sign from love's 5th
      // and three from health's 1st
      {2, 3, Area::Love, Area::Health},
      // Sun in the 10th (刑, work +1): work 3, the rest 2; the Moon in the 3rd, in no area's house:
      // work scores highest; love and health both lie two signs off, and health comes last
      {9, 2, Area::Work, Area::Health},
  };
  for (const Case& c : cases) {
    const WeekForecast week = ForecastOfWeek({kMonday, c.moonSign, {}, c.sunSign, {}, {}}, kAries);
    EXPECT_EQ(week.days[0].best, c.best) << c.sunSign;
    EXPECT_EQ(week.days[0].weakest, c.weakest) << c.sunSign;
    EXPECT_EQ(week.days[6].dayInHouse, 6);
  }
}

}  // namespace
}  // namespace velmora::services
