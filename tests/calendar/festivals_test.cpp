#include <gtest/gtest.h>

#include "calendar/festivals.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(SolarFestivals, FixedDatesAndWeekdayRules) {
  struct Case {
    CivilDate date;
    const char* name;
  };
  const Case cases[] = {
      {{2024, 1, 1}, "元旦节"},   {{2024, 10, 6}, "老人节"},  {{2024, 12, 25}, "圣诞节"},
      {{2024, 5, 12}, "母亲节"},  {{2024, 5, 5}, ""},          // first Sunday of May
      {{2024, 5, 19}, ""},        {{2024, 6, 16}, "父亲节"},  {{2024, 6, 9}, ""},
      {{2024, 11, 28}, "感恩节"}, {{2024, 11, 21}, ""},        {{2024, 2, 15}, ""},
      {{2021, 5, 9}, "母亲节"},   {{2026, 11, 26}, "感恩节"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(SolarFestivalOfDate(c.date.year, c.date.month, c.date.day)), c.name)
        << FormatDate(c.date);
  }
}

TEST(LunarFestivals, ByLunarMonthAndDay) {
  struct Case {
    int month, day;
    CivilDate date;
    const char* name;
  };
  const Case cases[] = {
      {1, 1, {2024, 2, 10}, "春节"},
      {1, 15, {2024, 2, 24}, "元宵节"},
      {8, 15, {2024, 9, 17}, "中秋节"},
      {5, 5, {2009, 6, 27}, "端午节"},  // 5-5 of the leap fifth month of 2009
      {12, 8, {2024, 1, 18}, "腊八节"},
      {12, 30, {2024, 2, 9}, "除夕"},
      {12, 29, {2022, 1, 31}, "除夕"},  // a short twelfth month
      {12, 29, {2024, 2, 8}, ""},
      {12, 30, {2100, 12, 30}, ""},  // next day lies beyond the calendar
      {3, 3, {2024, 4, 11}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(LunarFestivalOf(c.month, c.day, c.date)), c.name) << FormatDate(c.date);
  }
}

}  // namespace
}  // namespace velmora
