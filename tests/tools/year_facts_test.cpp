#include <gtest/gtest.h>

#include "tools/yearly/year_facts.h"

namespace velmora::tools {
namespace {

TEST(YearFacts, LunarMonthsOf2027FromTheCalendar) {
  const std::vector<LunarMonthFacts> months = LunarMonthsOfYear(2027);
  ASSERT_EQ(months.size(), 12u);  // 2027 has no leap month
  EXPECT_EQ(months[0].first, (CivilDate{2027, 2, 6}));
  EXPECT_EQ(months[0].stemBranch, "壬寅");  // 丁 years begin with 壬寅
  EXPECT_EQ(months[11].stemBranch, "癸丑");
  EXPECT_EQ(months[11].last, (CivilDate{2028, 1, 25}));  // the day before 2028's new year
  for (std::size_t i = 1; i < months.size(); ++i) {
    EXPECT_EQ(months[i].month, static_cast<int>(i) + 1);
    EXPECT_LT(months[i - 1].last, months[i].first);
  }
}

TEST(YearFacts, ALeapMonthHasABlockOfItsOwn) {
  const std::vector<LunarMonthFacts> months = LunarMonthsOfYear(2020);
  ASSERT_EQ(months.size(), 13u);
  EXPECT_TRUE(months[4].leap);
  EXPECT_EQ(months[4].month, 4);
  EXPECT_EQ(months[4].first, (CivilDate{2020, 5, 23}));
  EXPECT_EQ(months[4].stemBranch, months[3].stemBranch);
}

TEST(YearFacts, DayStemsAndBranches) {
  EXPECT_EQ(DayStemBranch({1949, 10, 1}), "甲子");
  EXPECT_EQ(DayStemBranch({2000, 1, 1}), "戊午");
  EXPECT_EQ(DayStemBranch({2024, 2, 10}), "甲辰");
}

TEST(YearFacts, BirthYearsAndClashDays) {
  const std::vector<BirthYearAge> goats = BirthYearsOfAnimal(7, 2027);
  ASSERT_EQ(goats.size(), 9u);
  EXPECT_EQ(goats.back().year, 2027);
  EXPECT_EQ(goats.back().age, 1);
  EXPECT_EQ(goats.front().year, 1931);
  EXPECT_EQ(goats.front().age, 97);
  const ClashDay day = FirstClashDay(LunarMonthsOfYear(2027)[0], 0);  // a 午 day clashes with the rat
  EXPECT_EQ(day.date, (CivilDate{2027, 2, 8}));
  EXPECT_EQ(day.stemBranch, "戊午");
}

}  // namespace
}  // namespace velmora::tools
