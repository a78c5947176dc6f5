#include <gtest/gtest.h>

#include <stdexcept>

#include "readings/baby_gender.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr const char* kClosing = "\r\r在上述月份怀孕，心想事成！";

// One row per age from 18, months 1..12 left to right.
const char* const kChartRows[27] = {
    "女男女男男男男男男男男男", "男女男女女男男女女女男男", "女男女男男男男男男女男男",  // 18..20
    "男女女女女女女女女女女女", "女男男女男女女男女女女女", "男男女男男女男女男男男女",  // 21..23
    "男女男男女男男女女女女女", "女男女女男女男男男男男男", "男女男男女男女男女女女女",  // 24..26
    "女男女女女女男男男女男男", "男女男女女女男男男男女女", "女男女男男男男男男女女女",  // 27..29
    "男女女女女女女女女男女男", "男女男女女女女女女女男男", "男女男女女女女女女女男男",  // 30..32
    "女男女男女女女男女女女男", "男女男女女女女女女女男男", "男男女男女女女男女女女男",  // 33..35
    "女男男女男女女女男男男女", "男女男男女男女男女男女男", "女男女男男女男女男女男男",  // 36..38
    "男女男男男女女男女男女女", "女男女男女男男女男女男男", "男女男女男女男男女男女男",  // 39..41
    "女男女男女男男男男女男女", "男女男女男女女女男男男男", "男男女男男男女男女男女女",  // 42..44
};

TEST(GenderChart, EveryCellAnswersAsTheChartReads) {
  for (int age = kFirstChartAge; age <= kLastChartAge; ++age) {
    const std::string row = Utf8ToGbk(kChartRows[age - kFirstChartAge]);
    for (int month = 1; month <= 12; ++month) {
      const bool girl = row.substr(static_cast<std::size_t>(month - 1) * 2, 2) == "女"_gbk;
      const ChartAnswer answer = QueryGenderChart(std::to_string(month), std::to_string(age));
      EXPECT_EQ(answer.girl, girl) << "age " << age << " month " << month;
      EXPECT_EQ(GbkToUtf8(answer.label), girl ? "女孩！" : "男孩！") << "age " << age << " month " << month;
    }
  }
}

// The texts are joined before they are read as one number.
TEST(GenderChart, KeysOutsideTheGirlCellsMeanBoy) {
  struct Case {
    const char* month;
    const char* age;
    bool girl;
  };
  const Case cases[] = {
      {"1", "17", false}, {"1", "45", false}, {"12", "99", false},
      {"11", "8", true},   // 118, the cell of month 1 at 18
      {"", "118", true},   // the same key from the age box alone
      {"1", "8", false},   // 18
      {"+1", "18", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QueryGenderChart(c.month, c.age).girl, c.girl) << c.month << "|" << c.age;
  }
}

struct MonthLists {
  int age;
  const char* boyThisYear;
  const char* boyNextYear;
  const char* girlThisYear;
  const char* girlNextYear;
};

const MonthLists kMonthLists[27] = {
    {18, "2、4、5、6、7、8、9、10、11、12", "1、3、6、7、11、12", "1、3", "2、4、5、8、9、10"},
    {19, "1、3、6、7、11、12", "2、4、5、6、7、8、9、11、12", "2、4、5、8、9、10", "1、3、10"},
    {20, "2、4、5、6、7、8、9、11、12", "1", "1、3、10", "2、3、4、5、6、7、8、9、10、11、12"},
    {21, "1", "2、3、5、8", "2、3、4、5、6、7、8、9、10、11、12", "1、4、6、7、9、10、11、12"},
    {22, "2、3、5、8", "1、2、4、5、7、9、10、11", "1、4、6、7、9、10、11、12", "3、6、8、12"},
    {23, "1、2、4、5、7、9、10、11", "1、3、4、6、7", "3、6、8、12", "2、5、8、9、10、11、12"},
    {24, "1、3、4、6、7", "2、5、7、8、9、10、11、12", "2、5、8、9、10、11、12", "1、3、4、6"},
    {25, "2、5、7、8、9、10、11、12", "1、3、4、6、8", "1、3、4、6", "2、5、7、9、10、11、12"},
    {26, "1、3、4、6、8", "2、7、8、9、11、12", "2、5、7、9、10、11、12", "1、3、4、5、6、10"},
    {27, "2、7、8、9、11、12", "1、3、7、8、9、10", "1、3、4、5、6、10", "2、4、5、6、11、12"},
    {28, "1、3、7、8、9、10", "2、4、5、6、7、8、9", "2、4、5、6、11、12", "1、3、10、11、12"},
    {29, "2、4、5、6、7、8、9", "1、10、12", "1、3、10、11、12", "2、3、4、5、6、7、8、9、11"},
    {30, "1、10、12", "1、3、11、12", "2、3、4、5、6、7、8、9、11", "2、4、5、6、7、8、9、10"},
    {31, "1、3、11、12", "1、3、11、12", "2、4、5、6、7、8、9、10", "2、4、5、6、7、8、9、10"},
    {32, "1、3、11、12", "2、4、8、12", "2、4、5、6、7、8、9、10", "1、3、5、6、7、9、10、11"},
    {33, "2、4、8、12", "1、3、11、12", "1、3、5、6、7、9、10、11", "2、4、5、6、7、8、9、10"},
    {34, "1、3、11、12", "1、2、4、8、12", "2、4、5、6、7、8、9、10", "3、5、6、7、9、10、11"},
    {35, "1、2、4、8、12", "2、3、5、9、10、11", "3、5、6、7、9、10、11", "1、4、6、7、8、12"},
    {36, "2、3、5、9、10、11", "1、3、4、6、8、10、12", "1、4、6、7、8、12", "2、5、7、9、11"},
    {37, "1、3、4、6、8、10、12", "2、4、5、7、9、11、12", "2、5、7、9、11", "1、3、6、8、10"},
    {38, "2、4、5、7、9、11、12", "1、3、4、5、8、10", "1、3、6、8、10", "2、6、7、9、11、12"},
    {39, "1、3、4、5、8、10", "2、4、6、7、9、11、12", "2、6、7、9、11、12", "1、3、5、8、10"},
    {40, "2、4、6、7、9、11、12", "1、3、5、7、8、10、12", "1、3、5、8、10", "2、4、6、9、11"},
    {41, "1、3、5、7、8、10、12", "2、4、6、8、9、11", "2、4、6、9、11", "1、3、5、7、10、12"},
    {42, "2、4、6、8、9、11", "1、3、5、7、9、10、11、12", "1、3、5、7、10、12", "2、4、6、8"},
    {43, "1、3、5、7、9、10、11、12", "1、2、4、5、6、8、10", "2、4、6、8", "3、7、9、11、12"},
    {44, "1、2、4、5、6、8、10", "", "3、7、9、11、12", ""},
};

std::string Entry(const char* thisYear, const char* nextYear) {
  if (*nextYear == '\0') return std::string("今年") + thisYear + "月份。";
  return std::string("今年") + thisYear + "月份\r\r明年" + nextYear + "月份。";
}

TEST(ConceptionMonths, EveryEntryFillsTheHolderAndTheAnswer) {
  for (const MonthLists& lists : kMonthLists) {
    for (const auto& [position, entry] : {std::pair{0, Entry(lists.boyThisYear, lists.boyNextYear)},
                                          std::pair{1, Entry(lists.girlThisYear, lists.girlNextYear)}}) {
      std::string holder = InitialMonthsHolder();
      const std::string answer = QueryConceptionMonths(std::to_string(lists.age), position, holder);
      EXPECT_EQ(GbkToUtf8(holder), entry) << lists.age << "/" << position;
      EXPECT_EQ(GbkToUtf8(answer), entry + kClosing) << lists.age << "/" << position;
    }
  }
}

// The lists put month 7 at 42 under girl and at 43 under boy; the chart says the opposite.
TEST(ConceptionMonths, DisagreeWithTheChartOnlyInMonthSevenOfAges42And43) {
  EXPECT_FALSE(QueryGenderChart("7", "42").girl);
  EXPECT_TRUE(QueryGenderChart("7", "43").girl);
  std::string holder;
  EXPECT_EQ(GbkToUtf8(QueryConceptionMonths("42", 1, holder)),
            std::string("今年1、3、5、7、10、12月份\r\r明年2、4、6、8月份。") + kClosing);
  EXPECT_EQ(GbkToUtf8(QueryConceptionMonths("43", 0, holder)),
            std::string("今年1、3、5、7、9、10、11、12月份\r\r明年1、2、4、5、6、8、10月份。") + kClosing);
}

TEST(ConceptionMonths, AnAgeWithoutEntryRepeatsWhatTheHolderLastHeld) {
  std::string holder = InitialMonthsHolder();
  const std::string initial =
      "    本生男生女根据《古代胎儿预测\r\n术》及《日本科学育儿预测》编制而\r\n"
      "成，准确率达到百分之九九点九八。\r\n\r\n    请不要将预测结果用于非法目的";
  EXPECT_EQ(GbkToUtf8(QueryConceptionMonths("45", 0, holder)), initial + kClosing);
  QueryConceptionMonths("31", 0, holder);
  for (const char* age : {"17", "45", "4", "0"}) {
    EXPECT_EQ(GbkToUtf8(QueryConceptionMonths(age, 1, holder)),
              std::string("今年1、3、11、12月份\r\r明年1、3、11、12月份。") + kClosing)
        << age;
  }
}

TEST(BabyGender, JoinedTextsThatAreNoNumberRaiseTheConversionError) {
  const auto messageOf = [](auto query) {
    try {
      query();
    } catch (const std::runtime_error& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  std::string holder = "kept";
  EXPECT_EQ(messageOf([] { QueryGenderChart("1", "abc"); }), "'1abc' is not a valid integer value");
  EXPECT_EQ(messageOf([] { QueryGenderChart("", ""); }), "'' is not a valid integer value");
  EXPECT_EQ(messageOf([] { QueryGenderChart("一"_gbk, "18"); }), "'一18' is not a valid integer value");
  EXPECT_EQ(messageOf([&] { QueryConceptionMonths("18", -1, holder); }), "'18-1' is not a valid integer value");
  EXPECT_EQ(messageOf([&] { QueryConceptionMonths("十八"_gbk, 0, holder); }),
            "'十八0' is not a valid integer value");
  EXPECT_EQ(holder, "kept");
}

TEST(TrigramRule, TheSumPlus108DecidesByItsLastDigit) {
  EXPECT_EQ(GbkToUtf8(TrigramSex({0, 0, 0, 0, 0, 0, 0})), "女");  // 108
  for (std::size_t moved = 0; moved < 7; ++moved) {
    std::array<int, 7> positions{};
    positions[moved] = 1;
    EXPECT_EQ(GbkToUtf8(TrigramSex(positions)), "男") << moved;  // 109
  }
  EXPECT_EQ(GbkToUtf8(TrigramSex({-1, -1, -1, -1, -1, -1, -1})), "男");    // 101, all typed
  EXPECT_EQ(GbkToUtf8(TrigramSex({-1, 0, 0, -1, 0, 0, 0})), "女");        // 106
  EXPECT_EQ(GbkToUtf8(TrigramSex({29, 11, 29, 29, 11, 29, 11})), "男");  // 257, every last item
}

TEST(FolkRule, FortyNinePlusMonthMinusAgeDecides) {
  struct Case {
    int monthPosition;
    int agePosition;
    const char* sex;
  };
  const Case cases[] = {
      {0, 0, "男"},    // 正月 at 15: 35
      {1, 0, "女"},    // 二月 at 15: 36
      {0, 1, "女"},    // 正月 at 16: 34
      {11, 30, "女"},  // 十二月 at 45: 16
      {11, 29, "男"},  // 十二月 at 44: 17
      {-1, 0, "女"},   // typed month: 34
      {-1, -1, "男"},  // both typed: 35
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(FolkRuleSex(c.monthPosition, c.agePosition)), c.sex) << c.monthPosition << "/" << c.agePosition;
  }
}

TEST(BabyGender, DropDownItemsOfTheOldRules) {
  const auto utf8 = [](const std::vector<std::string>& items) {
    std::vector<std::string> converted;
    for (const std::string& item : items) converted.push_back(GbkToUtf8(item));
    return converted;
  };
  const std::vector<std::string> years = utf8(BirthYearItems());
  ASSERT_EQ(years.size(), 30u);
  EXPECT_EQ(years.front() + years.back(), "1961年1990年");
  EXPECT_EQ(utf8(LunarMonthItems()), (std::vector<std::string>{"正月", "二月", "三月", "四月", "五月", "六月", "七月",
                                                               "八月", "九月", "十月", "十一月", "十二月"}));
  const std::vector<std::string> days = utf8(LunarDayItems());
  ASSERT_EQ(days.size(), 30u);
  EXPECT_EQ(days[0] + days[9] + days[10] + days[19] + days[20] + days[29], "初一初十十一二十廿一三十");
  const std::vector<std::string> ages = utf8(MotherAgeItems());
  ASSERT_EQ(ages.size(), 31u);
  EXPECT_EQ(ages.front() + ages.back(), "15岁45岁");
}

}  // namespace
}  // namespace velmora
