#include <gtest/gtest.h>

#include "calendar/day_facts.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(DayFacts, FillsEveryFieldOfTheDay) {
  TChnCal record;
  ASSERT_TRUE(FillDayFacts(record, {{2024, 2, 10}, 9, 30, 0}));
  EXPECT_EQ(record.lunarYear, 2024);
  EXPECT_EQ(record.lunarMonth, 1);
  EXPECT_EQ(record.date, (DateTime{{2024, 2, 10}, 9, 30, 0}));
  EXPECT_EQ(GbkToUtf8(record.monthText), "正月");
  EXPECT_EQ(GbkToUtf8(record.dayText), "初一");
  EXPECT_EQ(GbkToUtf8(record.lunarFestival), "春节");
  EXPECT_EQ(record.solarTerm, "");
  EXPECT_EQ(record.solarFestival, "");
  EXPECT_EQ(record.eraText, "");

  ASSERT_TRUE(FillDayFacts(record, {{1921, 2, 4}}));
  EXPECT_EQ(record.lunarYear, 1920);
  EXPECT_EQ(GbkToUtf8(record.monthText + record.dayText), "腊月廿七");
  EXPECT_EQ(GbkToUtf8(record.solarTerm), "立春");
  EXPECT_EQ(GbkToUtf8(record.eraText), "[近、现代]中华民国  民国11年");
  EXPECT_EQ(record.lunarFestival, "");  // texts of the previous day do not linger
}

TEST(DayFacts, LeapMonthKeepsItsPlainNumber) {
  TChnCal record;
  ASSERT_TRUE(FillDayFacts(record, {{2020, 5, 23}}));
  EXPECT_EQ(record.lunarMonth, 4);
  EXPECT_EQ(GbkToUtf8(record.monthText), "闰四");
}

TEST(DayFacts, FailureKeepsThePreviousTexts) {
  TChnCal record;
  ASSERT_TRUE(FillDayFacts(record, {{2020, 5, 23}}));
  for (const DateTime& bad : {DateTime{{2101, 1, 1}}, DateTime{{1582, 10, 10}}, DateTime{{0, 6, 1}}}) {
    EXPECT_FALSE(FillDayFacts(record, bad));
    EXPECT_EQ(record.date, bad);
    EXPECT_EQ(GbkToUtf8(record.monthText + record.dayText), "闰四初一");
    EXPECT_EQ(record.lunarYear, 2020);
  }
}

}  // namespace
}  // namespace velmora
