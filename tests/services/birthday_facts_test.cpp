#include "services/birthday_facts.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace velmora::services {
namespace {

TEST(BirthdayFacts, KeysAreTheDaysOfALeapYearWithoutLeadingZeros) {
  struct Case {
    const char* key;
    std::optional<MonthDay> date;
  };
  const Case cases[] = {
      {"3-7", MonthDay{3, 7}}, {"12-25", MonthDay{12, 25}}, {"2-29", MonthDay{2, 29}},  // every leap day has its page
      {"1-1", MonthDay{1, 1}}, {"12-31", MonthDay{12, 31}}, {"2-30", std::nullopt},     // no such day
      {"4-31", std::nullopt},  {"13-1", std::nullopt},      {"0-5", std::nullopt},        {"5-0", std::nullopt},
      {"03-07", std::nullopt},  // leading zeros name no page
      {"3-07", std::nullopt},  {"3-7x", std::nullopt},      {"3--7", std::nullopt},       {"+3-7", std::nullopt},
      {" 3-7", std::nullopt},  {"3-", std::nullopt},        {"-7", std::nullopt},         {"", std::nullopt},
      {"37", std::nullopt},    {"123-1", std::nullopt},     {"\xA3\xB3-7", std::nullopt},  // a full-width digit
  };
  for (const Case& c : cases) EXPECT_EQ(ParseBirthdayKey(c.key), c.date) << c.key;
}

TEST(BirthdayFacts, SignDecanRulerAndNumberOfADay) {
  struct Case {
    MonthDay date;
    int sign;
    int decan;
    MonthDay first;
    MonthDay last;
    const char* ruler;
    int number;
    std::vector<std::string> steps;
  };
  const Case cases[] = {
      // 双鱼座 from 2-19: the second ten days in a leap year's calendar, ruled by 巨蟹座's Moon
      {{3, 7}, 11, 2, {2, 29}, {3, 9}, "月亮", 1, {"3+7=10", "1+0=1"}},
      {{2, 29}, 11, 2, {2, 29}, {3, 9}, "月亮", 4, {"2+2+9=13", "1+3=4"}},
      // 摩羯座 runs from 12-22 across the year's end to 1-19
      {{12, 25}, 9, 1, {12, 22}, {12, 31}, "土星", 1, {"1+2+2+5=10", "1+0=1"}},
      {{1, 1}, 9, 2, {1, 1}, {1, 10}, "金星", 2, {"1+1=2"}},
      {{1, 19}, 9, 3, {1, 11}, {1, 19}, "水星", 2, {"1+1+9=11", "1+1=2"}},
      {{1, 20}, 10, 1, {1, 20}, {1, 29}, "天王星", 3, {"1+2+0=3"}},
      // 白羊座 opens the zodiac on 3-21; its third decan runs to the sign's last day
      {{3, 21}, 0, 1, {3, 21}, {3, 30}, "火星", 6, {"3+2+1=6"}},
      {{4, 19}, 0, 3, {4, 10}, {4, 19}, "木星", 5, {"4+1+9=14", "1+4=5"}},
      {{8, 1}, 4, 1, {7, 23}, {8, 1}, "太阳", 9, {"8+1=9"}},  // the tenth day of 狮子座
      {{11, 21}, 7, 3, {11, 13}, {11, 21}, "月亮", 5, {"1+1+2+1=5"}},
      {{9, 29}, 6, 1, {9, 23}, {10, 2}, "金星", 2, {"9+2+9=20", "2+0=2"}},
  };
  for (const Case& c : cases) {
    const BirthdayFacts facts = FactsOfBirthday(c.date);
    SCOPED_TRACE(std::to_string(c.date.month) + "-" + std::to_string(c.date.day));
    EXPECT_EQ(facts.sign, c.sign);
    EXPECT_EQ(facts.decan, c.decan);
    EXPECT_EQ(facts.decanFirst, c.first);
    EXPECT_EQ(facts.decanLast, c.last);
    EXPECT_EQ(GbkToUtf8(facts.ruler), c.ruler);
    EXPECT_EQ(facts.number, c.number);
    EXPECT_EQ(facts.numberSteps, c.steps);
  }
}

}  // namespace
}  // namespace velmora::services
