#include <gtest/gtest.h>

#include "tools/yearly/wedding_days.h"

namespace velmora::tools {
namespace {

TEST(WeddingDays, OfficersAndSpirits) {
  // 2024-02-10 (甲辰 day) lies in the 寅 month: 辰 is two branches on, a 满 day;
  // in 寅 months 青龙 falls on 子 days, so 辰 days are 金匮.
  EXPECT_EQ(DayOfficer({2024, 2, 10}), "满");
  EXPECT_EQ(DaySpirit({2024, 2, 10}), "金匮");
  EXPECT_EQ(DayOfficer({2024, 2, 14}), "破");  // a 申 day opposite the 寅 month
}

TEST(WeddingDays, EveryListedDayKeepsTheRules) {
  const std::vector<WeddingDay> days = WeddingDaysOf(2027);
  EXPECT_GT(days.size(), 20u);
  for (const WeddingDay& day : days) {
    EXPECT_EQ(day.date.year, 2027);
    EXPECT_TRUE(day.officer == "定" || day.officer == "成" || day.officer == "开") << day.officer;
    EXPECT_EQ(day.officer, DayOfficer(day.date));
    EXPECT_NE(day.clash.find("冲"), std::string::npos);
    EXPECT_EQ(day.clash.find("冲羊"), std::string::npos);  // 丑 days break the 未 year and are left out
    for (const char* maiden : {"初三", "初七", "十三", "十八", "廿二", "廿七"}) {
      EXPECT_EQ(day.lunarDate.find(maiden), std::string::npos) << day.lunarDate;
    }
  }
}

}  // namespace
}  // namespace velmora::tools
