#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "calendar/leap_months.h"
#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"
#include "calendar/new_moon.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string LunarText(const LunarDate& lunar) {
  return GbkToUtf8(LunarMonthText(lunar.month, lunar.leap) + LunarDayText(lunar.day));
}

TEST(SolarToLunar, KnownDates) {
  struct Case {
    CivilDate date;
    int lunarYear;
    const char* text;
  };
  const Case cases[] = {
      {{2020, 5, 22}, 2020, "四月三十"},
      {{2020, 5, 23}, 2020, "闰四初一"},
      {{2020, 6, 1}, 2020, "闰四初十"},
      {{2023, 3, 22}, 2023, "闰二初一"},
      {{2023, 4, 20}, 2023, "三月初一"},
      {{2033, 12, 22}, 2033, "闰冬初一"},
      {{2024, 2, 9}, 2023, "腊月三十"},
      {{2024, 2, 10}, 2024, "正月初一"},
      {{2000, 1, 1}, 1999, "冬月廿五"},
      {{1900, 1, 31}, 1900, "正月初一"},
      // fixed corrections
      {{2018, 11, 7}, 2018, "九月三十"},
      {{2018, 11, 8}, 2018, "十月初一"},
      {{2018, 12, 6}, 2018, "十月廿九"},
      {{2018, 12, 7}, 2018, "冬月初一"},
      {{1924, 3, 5}, 1924, "二月初一"},
      {{1924, 4, 3}, 1924, "二月三十"},
      // the series decides near-midnight moons, not the almanacs
      {{1989, 8, 1}, 1989, "六月三十"},
      {{2013, 6, 8}, 2013, "五月初一"},
      // no third correction in 2025: the series and the published almanac agree
      {{2025, 4, 6}, 2025, "三月初九"},
      {{2025, 4, 7}, 2025, "三月初十"},
      {{2025, 4, 28}, 2025, "四月初一"},
      // 2023 and 2030 new years by the series (the festival table is a day earlier)
      {{2023, 1, 21}, 2022, "腊月三十"},
      {{2023, 1, 22}, 2023, "正月初一"},
      {{2030, 2, 3}, 2030, "正月初一"},
      {{2100, 12, 31}, 2100, "腊月初一"},
  };
  for (const Case& c : cases) {
    const std::optional<LunarDate> lunar = SolarToLunar(c.date);
    ASSERT_TRUE(lunar.has_value()) << FormatDate(c.date);
    EXPECT_EQ(lunar->year, c.lunarYear) << FormatDate(c.date);
    EXPECT_EQ(LunarText(*lunar), c.text) << FormatDate(c.date);
  }
}

TEST(SolarToLunar, FailsCleanlyOutsideTheCalendar) {
  for (const CivilDate& date : {CivilDate{0, 12, 31}, CivilDate{2101, 1, 1}, CivilDate{-5, 1, 1},
                                CivilDate{2023, 2, 29}, CivilDate{2023, 0, 1}, CivilDate{1582, 10, 10}}) {
    EXPECT_FALSE(SolarToLunar(date).has_value()) << FormatDate(date);
  }
  EXPECT_TRUE(SolarToLunar({1, 1, 1}).has_value());
}

TEST(LunarMonthOf, SignsTheLeapMonth) {
  EXPECT_EQ(LunarMonthOf(2020, 5, 23), -4);
  EXPECT_EQ(LunarMonthOf(2020, 5, 22), 4);
  EXPECT_EQ(LunarMonthOf(2034, 1, 15), -11);  // 2033's leap month runs into January
}

TEST(LeapMonths, DigitsAndRunningCount) {
  EXPECT_EQ(LeapMonthOf(2020), 4);
  EXPECT_EQ(LeapMonthOf(2033), 11);
  EXPECT_EQ(LeapMonthOf(2024), 0);
  EXPECT_EQ(LeapMonthOf(0), 0);
  EXPECT_EQ(LeapMonthOf(2101), 0);
  EXPECT_EQ(LeapMonthsThrough(1899), 1010);
  EXPECT_EQ(LeapMonthsThrough(1900), 1011);
}

TEST(LunarToSolar, FindsDatesAndRejectsImpossibleOnes) {
  EXPECT_EQ(LunarToSolar(2020, 4, 1, true), (CivilDate{2020, 5, 23}));
  EXPECT_EQ(LunarToSolar(2024, 1, 1, false), (CivilDate{2024, 2, 10}));
  EXPECT_EQ(LunarToSolar(2023, 12, 30, false), (CivilDate{2024, 2, 9}));
  EXPECT_FALSE(LunarToSolar(2024, 4, 1, true).has_value());  // 2024 has no leap month
  EXPECT_FALSE(LunarToSolar(2020, 5, 1, true).has_value());   // its leap month follows the fourth
  EXPECT_FALSE(LunarToSolar(2024, 13, 1, false).has_value());
  EXPECT_FALSE(LunarToSolar(2024, 1, 31, false).has_value());
  EXPECT_FALSE(LunarToSolar(2101, 1, 1, false).has_value());
}

// Every date of 1901..2100 converts to a lunar date that converts back to it.
TEST(LunarToSolar, InvertsSolarToLunarOverTheModernRange) {
  for (DayNumber n = DayNumberOf(1901, 1, 1); n <= DayNumberOf(2100, 12, 31); n += 3) {
    const CivilDate date = *DateOfDayNumber(n);
    const LunarDate lunar = *SolarToLunar(date);
    ASSERT_EQ(LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.leap), date) << FormatDate(date);
  }
}

// The per-year caches must give exactly what the series and the search give
// when computed afresh, for every year they cover.
TEST(Caches, NewMoonDaysMatchTheSeriesEveryYear) {
  for (int year = 1; year <= 2101; ++year) {
    ASSERT_EQ(CachedNewMoonDays(year), ComputeNewMoonDays(year)) << year;
  }
}

TEST(Caches, LunarNewYearMatchesTheSearchEveryYearItSucceeds) {
  for (int year = 1; year <= 2100; ++year) {
    const std::optional<CivilDate> searched = LunarToSolar(year, 1, 1, false);
    if (searched) {
      ASSERT_EQ(LunarNewYearDay(year), DayNumberOf(*searched)) << year;
    } else {
      ASSERT_LT(year, 1583) << "the search fails only in early years";
    }
  }
}

TEST(NewMoon, MomentsLandOnKnownNewMoonDays) {
  // 2024-02-10 06:59 (UTC+8) and 2000-01-07 02:14 (UTC+8)
  const double moment2024 = NewMoonMoment(2024, 2) - DayNumberOf(2024, 2, 10);
  EXPECT_GT(moment2024, 0.25);
  EXPECT_LT(moment2024, 0.34);
  EXPECT_EQ(ComputeNewMoonDays(2000)[2], DayNumberOf(2000, 1, 7));  // v = 1
}

// Before 1583 the month count sometimes names no month 1 (a leap twelfth month
// is followed by "month 2"), or lunar new year falls on 31 December of the year
// before. The lunar year then turns where the month number wraps around.
TEST(SolarToLunar, EarlyYearsWithoutAFoundNewYear) {
  struct Case {
    CivilDate date;
    int lunarYear;
    int month;
    bool leap;
    int day;
  };
  const Case cases[] = {
      {{458, 1, 15}, 457, 12, false, 15},  // search fails; still the twelfth month of 457
      {{458, 1, 31}, 457, 12, true, 1},
      {{458, 3, 1}, 458, 2, false, 1},      // the wrap starts lunar year 458
      {{13, 1, 15}, 13, 1, false, 16},      // new year was 12-12-31: the civil year stays
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(LunarToSolar(c.date.year, 1, 1, false).has_value());
    const LunarDate lunar = *SolarToLunar(c.date);
    EXPECT_EQ(lunar, (LunarDate{c.lunarYear, c.month, c.leap, c.day})) << FormatDate(c.date);
  }
}

}  // namespace
}  // namespace velmora
