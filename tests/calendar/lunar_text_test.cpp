#include <gtest/gtest.h>

#include "calendar/lunar_text.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(LunarText, MonthTexts) {
  EXPECT_EQ(GbkToUtf8(LunarMonthText(1, false)), "正月");
  EXPECT_EQ(GbkToUtf8(LunarMonthText(11, false)), "冬月");
  EXPECT_EQ(GbkToUtf8(LunarMonthText(12, false)), "腊月");
  EXPECT_EQ(GbkToUtf8(LunarMonthText(4, true)), "闰四");
  EXPECT_EQ(GbkToUtf8(LunarMonthText(11, true)), "闰冬");
  // In full, a leap month keeps its 月.
  EXPECT_EQ(GbkToUtf8(FullLunarMonthText(4, false)), "四月");
  EXPECT_EQ(GbkToUtf8(FullLunarMonthText(4, true)), "闰四月");
  EXPECT_EQ(GbkToUtf8(FullLunarMonthText(12, true)), "闰腊月");
}

TEST(LunarText, EveryDayTextIsTwoCharacters) {
  const char* expected[31] = {"",     "初一", "初二", "初三", "初四", "初五", "初六", "初七",
                              "初八", "初九", "初十", "十一", "十二", "十三", "十四", "十五",
                              "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                              "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int day = 1; day <= 30; ++day) {
    EXPECT_EQ(GbkToUtf8(LunarDayText(day)), expected[day]) << day;
    EXPECT_EQ(LunarDayText(day).size(), 4u);
  }
  EXPECT_EQ(LunarDayText(0), "");
  EXPECT_EQ(LunarDayText(31), "");
}

}  // namespace
}  // namespace velmora
