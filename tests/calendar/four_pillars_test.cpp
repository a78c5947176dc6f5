#include <gtest/gtest.h>

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string Text(const Pillar& pillar) { return GbkToUtf8(HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch)); }

// Charts of known birth moments. 2000-01-01 00:00 is the chart almanacs print
// for that day; the 2024 moments straddle 立春 (16:26:53) and 惊蛰 (10:22:31) as
// the published almanacs time them; the days count on from 1949-10-01, a 甲子 day,
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
      {{1990, 5, 27}, 11, "庚午", "辛巳", "壬辰", "乙巳"},  // daylight saving: 10:00 standard, the 巳 hour
      {{1990, 10, 27}, 11, "庚午", "丙戌", "乙丑", "壬午"},  // after the summer: 11:00 is the 午 hour
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

struct TermSideCase {
  CivilDate date;
  int hour;
  const char* year;
  const char* month;
};

void ExpectYearAndMonth(const TermSideCase& c) {
  const FourPillars chart = FourPillarsOf(c.date, c.hour);
  const std::string at = FormatDate(c.date) + " " + std::to_string(c.hour) + ":00";
  EXPECT_EQ(Text(chart.year), c.year) << at;
  EXPECT_EQ(Text(chart.month), c.month) << at;
}

// Whole hours on both sides of 立春 and 惊蛰. The moments (UTC+8) are those of
// the independent golden file tests/calendar/term_moments_1901_2100.tsv; the
// pillars follow from them by hand: the year turns at 立春, the month stem by
// the 五虎遁 rule (甲己 years open with 丙寅, 乙庚 with 戊寅, 丙辛 with 庚寅,
// 丁壬 with 壬寅, 戊癸 with 甲寅).
TEST(FourPillars, BirthsOneHourBeforeAndAfterSpringStartAndAwakening) {
  const TermSideCase cases[] = {
      {{1990, 2, 4}, 10, "己巳", "丁丑"},   // 立春 1990-02-04 10:13:56
      {{1990, 2, 4}, 11, "庚午", "戊寅"},
      {{1990, 3, 6}, 4, "庚午", "戊寅"},    // 惊蛰 1990-03-06 04:19:16
      {{1990, 3, 6}, 5, "庚午", "己卯"},
      {{2001, 2, 4}, 2, "庚辰", "己丑"},    // 立春 2001-02-04 02:28:41
      {{2001, 2, 4}, 3, "辛巳", "庚寅"},
      {{2001, 3, 5}, 20, "辛巳", "庚寅"},   // 惊蛰 2001-03-05 20:32:26
      {{2001, 3, 5}, 21, "辛巳", "辛卯"},
      {{2017, 2, 3}, 23, "丙申", "辛丑"},   // 立春 2017-02-03 23:33:55: 23:00 is still before it
      {{2017, 2, 4}, 0, "丁酉", "壬寅"},
      {{2017, 3, 5}, 17, "丁酉", "壬寅"},   // 惊蛰 2017-03-05 17:32:39
      {{2017, 3, 5}, 18, "丁酉", "癸卯"},
      {{2020, 2, 4}, 17, "己亥", "丁丑"},   // 立春 2020-02-04 17:03:11
      {{2020, 2, 4}, 18, "庚子", "戊寅"},
      {{2020, 3, 5}, 10, "庚子", "戊寅"},   // 惊蛰 2020-03-05 10:56:48
      {{2020, 3, 5}, 11, "庚子", "己卯"},
      {{2025, 2, 3}, 22, "甲辰", "丁丑"},   // 立春 2025-02-03 22:10:15
      {{2025, 2, 3}, 23, "乙巳", "戊寅"},
      {{2025, 3, 5}, 16, "乙巳", "戊寅"},   // 惊蛰 2025-03-05 16:07:07
      {{2025, 3, 5}, 17, "乙巳", "己卯"},
  };
  for (const TermSideCase& c : cases) ExpectYearAndMonth(c);
}

// Births on the hour mark between the calendar's closed-form term series and
// the true moment (golden file): the true moment decides. The old series put
// each of these on the other side.
TEST(FourPillars, TheTrueTermMomentDecidesWhereTheOldSeriesFellAcrossTheHour) {
  const TermSideCase cases[] = {
      {{1912, 2, 5}, 12, "壬子", "壬寅"},  // 立春 11:53:30; the old series said 12:00:59
      {{1964, 2, 5}, 3, "癸卯", "乙丑"},   // 立春 03:04:51; old 02:55:56
      {{2038, 2, 4}, 2, "丁巳", "癸丑"},   // 立春 02:03:20; old 01:56:11
      {{2083, 2, 4}, 0, "癸卯", "甲寅"},   // 立春 2083-02-03 23:57:31; old 2083-02-04 00:05:09
      {{1992, 3, 5}, 16, "壬申", "癸卯"},  // 惊蛰 15:52:04; old 16:01:28
      {{2008, 3, 5}, 13, "戊子", "乙卯"},  // 惊蛰 12:58:43; old 13:10:36
      {{1924, 8, 8}, 4, "甲子", "辛未"},   // 立秋 04:12:27; old 03:57:08
      {{1998, 11, 7}, 23, "戊寅", "壬戌"},  // 立冬 23:08:17; old 22:57:32
  };
  for (const TermSideCase& c : cases) ExpectYearAndMonth(c);
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
