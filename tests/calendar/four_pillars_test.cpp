#include <gtest/gtest.h>

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string Text(const Pillar& pillar) { return GbkToUtf8(HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch)); }

// Charts of known birth moments. 2000-01-01 00:00 is the chart almanacs print
// for that day; the 2024 moments straddle 立春 (16:27) and 惊蛰 (10:23) as the
// published almanacs time them; the days count on from 1949-10-01, a 甲子 day,
// and the months and hours follow the 五虎遁 and 五鼠遁 rules.
TEST(FourPillars, KnownChartsAcrossTermAndDayBoundaries) {
  struct Case {
    CivilDate date;
    int hour;
    const char* year;
    const char* month;
    const char* day;
    const char* hourPillar;
  };
  const Case cases[] = {
      {{2000, 1, 1}, 0, "己卯", "丙子", "戊午", "壬子"},
      {{1990, 5, 27}, 11, "庚午", "辛巳", "壬辰", "丙午"},
      {{2024, 2, 4}, 15, "癸卯", "乙丑", "戊戌", "庚申"},  // before 立春: the old year and the 丑 month
      {{2024, 2, 4}, 17, "甲辰", "丙寅", "戊戌", "辛酉"},  // after it
      {{2024, 3, 5}, 9, "甲辰", "丙寅", "戊辰", "丁巳"},   // before 惊蛰
      {{2024, 3, 5}, 11, "甲辰", "丁卯", "戊辰", "戊午"},  // after it
      {{2024, 2, 9}, 22, "甲辰", "丙寅", "癸卯", "癸亥"},
      {{2024, 2, 9}, 23, "甲辰", "丙寅", "甲辰", "甲子"},  // 23:00 takes the next day's pillar
      {{2023, 12, 31}, 12, "癸卯", "甲子", "癸亥", "戊午"},  // after 大雪, before 小寒
  };
  for (const Case& c : cases) {
    const FourPillars chart = FourPillarsOf(c.date, c.hour);
    const std::string at = FormatDate(c.date) + " " + std::to_string(c.hour);
    EXPECT_EQ(Text(chart.year), c.year) << at;
    EXPECT_EQ(Text(chart.month), c.month) << at;
    EXPECT_EQ(Text(chart.day), c.day) << at;
    EXPECT_EQ(Text(chart.hour), c.hourPillar) << at;
  }
}

TEST(FourPillars, ElementsAndNayin) {
  EXPECT_EQ(GbkToUtf8(ElementName(StemElement(0))), "木");
  EXPECT_EQ(GbkToUtf8(ElementName(StemElement(9))), "水");
  EXPECT_EQ(GbkToUtf8(ElementName(BranchElement(0))), "水");
  EXPECT_EQ(GbkToUtf8(ElementName(BranchElement(7))), "土");
  EXPECT_EQ(GbkToUtf8(NayinOf({0, 0})), "海中金");   // 甲子
  EXPECT_EQ(GbkToUtf8(NayinOf({1, 1})), "海中金");   // 乙丑
  EXPECT_EQ(GbkToUtf8(NayinOf({6, 6})), "路旁土");   // 庚午
  EXPECT_EQ(GbkToUtf8(NayinOf({9, 11})), "大海水");  // 癸亥
  EXPECT_EQ((Pillar{9, 11}.CycleIndex()), 59);
}

}  // namespace
}  // namespace velmora
