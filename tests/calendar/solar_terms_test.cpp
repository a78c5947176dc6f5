#include <gtest/gtest.h>

#include <cmath>

#include "calendar/solar_terms.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(SolarTerms, DatesOf2024) {
  struct Case {
    int n;
    CivilDate date;
    const char* name;
  };
  const Case cases[] = {
      {1, {2024, 1, 6}, "小寒"},  {2, {2024, 1, 20}, "大寒"},  {3, {2024, 2, 4}, "立春"},
      {4, {2024, 2, 19}, "雨水"}, {7, {2024, 4, 4}, "清明"},   {12, {2024, 6, 21}, "夏至"},
      {24, {2024, 12, 21}, "冬至"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SolarTermDate(2024, c.n), c.date) << c.n;
    EXPECT_EQ(GbkToUtf8(SolarTermOfDate(2024, c.date.month, c.date.day)), c.name) << c.n;
  }
}

TEST(SolarTerms, MomentCarriesTheTimeOfDay) {
  const double moment = SolarTermMoment(2024, 3);
  const double minutes = (moment - std::floor(moment)) * 24 * 60;
  EXPECT_NEAR(minutes, 16 * 60 + 25, 15);  // about 16:25 on 2024-02-04
}

TEST(SolarTerms, DaysWithoutATerm) {
  EXPECT_EQ(GbkToUtf8(SolarTermOfDate(2000, 1, 21)), "大寒");
  EXPECT_EQ(SolarTermOfDate(2000, 1, 20), "");
  EXPECT_EQ(SolarTermOfDate(2024, 13, 1), "");
}

// Under the Julian calendar terms drift towards the end of the month before
// their usual one; they must still appear on their day.
TEST(SolarTerms, JulianDriftKeepsEveryTerm) {
  const double moment = SolarTermMoment(649, 3);
  ASSERT_GT(moment, 31.0);
  ASSERT_LT(moment, 32.0);
  EXPECT_EQ(SolarTermDate(649, 3), (CivilDate{649, 1, 31}));
  EXPECT_EQ(GbkToUtf8(SolarTermOfDate(649, 1, 31)), "立春");
  // 1582: 寒露 on 09-29 (Julian), 霜降 after the reform's gap on 10-24
  EXPECT_EQ(GbkToUtf8(SolarTermOfDate(1582, 9, 29)), "寒露");
  EXPECT_EQ(GbkToUtf8(SolarTermOfDate(1582, 10, 24)), "霜降");
}

// Every term of every year lands on exactly one day, and no day carries two.
TEST(SolarTerms, EveryTermAppearsOnItsDay) {
  for (int year = 1; year <= 2100; ++year) {
    for (int n = 1; n <= 24; ++n) {
      const CivilDate date = SolarTermDate(year, n);
      ASSERT_EQ(SolarTermOfDate(date.year, date.month, date.day), SolarTermName((n + 21) % 24))
          << year << " term " << n;
      if (n > 1) {
        ASSERT_LT(SolarTermDate(year, n - 1), date);
      }
    }
  }
}

}  // namespace
}  // namespace velmora
