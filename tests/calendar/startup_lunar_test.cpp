#include <gtest/gtest.h>

#include "calendar/startup_lunar.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(StartupLunar, TableDrivenTexts) {
  struct Case {
    CivilDate date;
    const char* text;
  };
  const Case cases[] = {
      {{1901, 1, 1}, "冬月十一"},
      {{1901, 2, 18}, "腊月三十"},
      {{1901, 2, 19}, "正月初一"},
      {{2020, 5, 23}, "闰四初一"},
      {{2023, 3, 22}, "闰二初一"},
      {{2033, 12, 22}, "闰冬初一"},
      {{2034, 1, 15}, "闰冬廿五"},  // slot 0 continues the leap month of 2033
      {{2050, 12, 31}, "冬月十八"},
      // where the table and the new-moon series part ways
      {{2013, 6, 8}, "四月三十"},
      {{1989, 8, 1}, "七月初一"},
      {{1916, 2, 3}, "正月初一"},
      // Gregorian day of year: 2000 is a leap year, 1900 is not in the table
      {{2000, 3, 1}, "正月廿六"},
  };
  for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(StartupLunarText(c.date)), c.text) << FormatDate(c.date);
}

TEST(StartupLunar, CodesSignLeapMonths) {
  EXPECT_EQ(StartupLunarCode({2020, 5, 23}), -401);
  EXPECT_EQ(StartupLunarCode({2020, 5, 22}), 430);
  EXPECT_EQ(StartupLunarCode({1900, 12, 31}), 0);
  EXPECT_EQ(StartupLunarCode({2051, 1, 1}), 0);
}

// Outside the table the start-up text falls back to the full conversion.
TEST(StartupLunar, OutsideTheTableUsesTheFullConversion) {
  EXPECT_EQ(GbkToUtf8(StartupLunarText({2100, 12, 31})), "腊月初一");
  EXPECT_EQ(GbkToUtf8(StartupLunarText({1900, 1, 31})), "正月初一");
  EXPECT_EQ(StartupLunarText({2101, 1, 1}), "");
}

}  // namespace
}  // namespace velmora
