#include <gtest/gtest.h>

#include "calendar/sexagenary.h"
#include "calendar/spring_festival.h"
#include "calendar/star_sign.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(YearCycle, StemBranchAnimal) {
  EXPECT_EQ(GbkToUtf8(YearCycleText(1984)), "甲子鼠");
  EXPECT_EQ(GbkToUtf8(YearCycleText(2014)), "甲午马");
  EXPECT_EQ(GbkToUtf8(YearCycleText(2027)), "丁未羊");
  EXPECT_EQ(GbkToUtf8(YearCycleText(1)), "辛酉鸡");  // (1 - 4) wraps around the cycle
}

TEST(BirthYearCycle, TheSpringFestivalSeparatesTheYears) {
  struct Case {
    DateTime birth;
    const char* yearName;
    const char* animal;
  };
  const Case cases[] = {
      {{{1990, 1, 26}, 23, 0, 0}, "己巳年", "蛇"},
      {{{1990, 1, 27}, 0, 0, 0}, "庚午年", "马"},
      {{{1990, 1, 27}, 23, 59, 59}, "庚午年", "马"},
      {{{2024, 2, 10}}, "甲辰年", "龙"},
      {{{1914, 2, 1}}, "甲寅年", "虎"},
      // the table's 2023-1-21 is used although the series starts the year a day later
      {{{2023, 1, 21}}, "癸卯年", "兔"},
      {{{2023, 1, 20}}, "壬寅年", "虎"},
      // outside 1900..2049: the lunar new year of the full conversion
      {{{2050, 1, 22}}, "己巳年", "蛇"},
      {{{2050, 1, 23}}, "庚午年", "马"},
      {{{1899, 2, 9}}, "戊戌年", "狗"},
      {{{1899, 2, 10}}, "己亥年", "猪"},
  };
  for (const Case& c : cases) {
    const YearCycle cycle = BirthYearCycle(c.birth);
    EXPECT_EQ(GbkToUtf8(cycle.yearName), c.yearName) << FormatDate(c.birth.date);
    EXPECT_EQ(GbkToUtf8(cycle.animal), c.animal) << FormatDate(c.birth.date);
  }
}

TEST(SpringFestivalTable, EntriesAndRange) {
  EXPECT_EQ(SpringFestivalTable(1900), "1900-1-31");
  EXPECT_EQ(SpringFestivalTable(2049), "2049-2-2");
  EXPECT_EQ(SpringFestivalTable(2030), "2030-2-2");
  EXPECT_EQ(SpringFestivalTable(1899), "");
  EXPECT_EQ(SpringFestivalDate(2027), (CivilDate{2027, 2, 6}));
  EXPECT_FALSE(SpringFestivalDate(2050).has_value());
}

TEST(StarSign, Boundaries) {
  struct Case {
    int month, day;
    const char* sign;
  };
  const Case cases[] = {
      {1, 1, "摩羯座"},   {1, 19, "摩羯座"},  {1, 20, "水瓶座"},  {2, 18, "水瓶座"},  {2, 19, "双鱼座"},
      {4, 19, "白羊座"},  {4, 20, "金牛座"},  {5, 21, "双子座"},  {6, 22, "巨蟹座"},  {7, 23, "狮子座"},
      {8, 23, "处女座"},  {10, 23, "天秤座"}, {10, 24, "天蝎座"}, {11, 21, "天蝎座"}, {11, 22, "射手座"},
      {12, 21, "射手座"}, {12, 22, "摩羯座"}, {12, 31, "摩羯座"},
  };
  for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(StarSignOfDate(c.month, c.day)), c.sign) << c.month << "-" << c.day;
  EXPECT_EQ(StarSignOfDate(13, 1), "");
  EXPECT_EQ(StarSignOfDate(1, 0), "");
}

}  // namespace
}  // namespace velmora
