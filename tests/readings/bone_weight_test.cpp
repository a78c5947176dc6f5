#include <gtest/gtest.h>

#include "readings/bone_weight.h"
#include "tests/readings/readings_fixture.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

BirthProfile Birth(CivilDate date, const char* cnMonth, const char* cnDay, int hour) {
  BirthProfile profile;
  profile.name = "张三"_gbk;
  profile.birthDate = {date, 8, 30, 0};
  profile.cnMonth = Utf8ToGbk(cnMonth);
  profile.cnDay = Utf8ToGbk(cnDay);
  profile.birthHourIndex = hour;
  return profile;
}

TEST(WeighBirth, FourPillarsAndTheirWeights) {
  struct Case {
    BirthProfile profile;
    const char* year;
    const char* animal;
    const char* month;
    const char* period;
    const char* weights;  // year month day hour = total
  };
  const Case cases[] = {
      {Birth({1990, 5, 27}, "五月", "初四", 11), "庚午年", "马", "五月", "午时", "09 05 15 10 = 39"},
      // a leap month weighs as its regular month
      {Birth({2020, 5, 25}, "闰四", "初三", 0), "庚子年", "鼠", "四月", "子时", "07 09 08 16 = 40"},
      {Birth({2034, 1, 15}, "闰冬", "廿五", 23), "癸丑年", "牛", "冬月", "子时", "07 09 15 16 = 47"},
      // the Spring Festival decides the year
      {Birth({1990, 1, 26}, "腊月", "三十", 22), "己巳年", "蛇", "腊月", "亥时", "05 05 06 06 = 22"},
      {Birth({1990, 1, 27}, "正月", "初一", 1), "庚午年", "马", "正月", "丑时", "09 06 05 06 = 26"},
      // the smallest and the largest totals
      {Birth({1989, 6, 4}, "五月", "初一", 2), "己巳年", "蛇", "五月", "丑时", "05 05 05 06 = 21"},
      {Birth({1999, 4, 3}, "三月", "十八", 0), "己卯年", "兔", "三月", "子时", "19 18 18 16 = 71"},
      {Birth({1978, 10, 20}, "九月", "廿六", 10), "戊午年", "马", "九月", "巳时", "19 18 18 16 = 71"},
      // texts that are no lunar month or day keep the default weights
      {Birth({2024, 2, 10}, "", "?", 12), "甲辰年", "龙", "", "午时", "08 06 05 10 = 29"},
  };
  for (const Case& c : cases) {
    ValueLabels labels;
    const int total = WeighBirth(c.profile, labels);
    EXPECT_EQ(GbkToUtf8(labels.Get("Label47")), c.year);
    EXPECT_EQ(GbkToUtf8(labels.Get("Label48")), c.animal);
    EXPECT_EQ(GbkToUtf8(labels.Get("Label53")), c.month);
    EXPECT_EQ(GbkToUtf8(labels.Get("Label49")), c.period);
    const std::string weights = labels.Get("Label57") + " " + labels.Get("Label60") + " " + labels.Get("Label61") +
                                " " + labels.Get("Label59") + " = " + labels.Get("lbl7");
    EXPECT_EQ(weights, c.weights) << FormatDate(c.profile.birthDate.date);
    EXPECT_EQ(std::to_string(total), labels.Get("lbl7"));
  }
}

TEST(WeighBirth, HoursZeroAndTwentyThreeAreBothZi) {
  for (const auto& [hour, period, weight] : {std::tuple{0, "子时", "16"}, std::tuple{23, "子时", "16"},
                                            std::tuple{22, "亥时", "06"}, std::tuple{1, "丑时", "06"}}) {
    ValueLabels labels;
    WeighBirth(Birth({1990, 5, 27}, "五月", "初四", hour), labels);
    EXPECT_EQ(GbkToUtf8(labels.Get("Label49")), period) << hour;
    EXPECT_EQ(labels.Get("Label59"), weight) << hour;
  }
}

class BoneWeightPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CreateReadingsDatabase(folder, {});
    db.Open();
  }
  testing::TestFolder folder;
  ReferenceDb db{folder.Path(), ReferenceDatabase()};
  ValueLabels labels;
  ReportPage page;
};

TEST_F(BoneWeightPageTest, TheWorkedExample) {
  BoneWeightReading(db, Birth({1990, 5, 27}, "五月", "初四", 11), labels, page);
  EXPECT_EQ(GbkToUtf8(labels.Get("Label50")), "生于1990-05-27。农历庚午年五月初四午时属马，双子座。");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label58")), "早年奔走费思量，三十以后渐兴旺，");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label62")), "凭着一身真本事，家声门第日增光。");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label22")), "评语在此");
  std::vector<std::string> body;
  for (std::size_t i = 4; i < page.Lines().size(); i += 2) {
    EXPECT_EQ(page.Lines()[i + 1], "<p>");
    body.push_back(GbkToUtf8(page.Lines()[i]));
  }
  const std::vector<std::string> expected = {
      "张三",
      "",
      "生于1990-05-27。农历庚午年五月初四午时属马，双子座。命骨重量39钱。",
      "",
      "",
      "    早年奔走费思量，三十以后渐兴旺，",
      "    凭着一身真本事，家声门第日增光。",
      "",
      "    评语在此",
      "",
      "    你的生日是农历初四。这个日子出生的人总体上踏实。",
      "",
      "    你的星座是双子座。这个星座的人一般都是灵巧的人。",
      "",
      "    你在午时出生。此时出生的人热情。",
      "",
      "    你在五月出生。此月份出生的人一般都是勤快的人。",
      "",
      "    你的星相是马。此属相基本都是奔放的人。",
  };
  EXPECT_EQ(body, expected);
  // no trailer, no closing line: the page ends with a paragraph mark
  EXPECT_EQ(page.Lines()[3], SmallFontSeparator());
  EXPECT_EQ(page.Lines().back(), "<p>");
}

TEST_F(BoneWeightPageTest, AShortVerseLeavesTheSecondLineAndCommentaryEmpty) {
  BoneWeightReading(db, Birth({1989, 6, 4}, "五月", "初一", 2), labels, page);
  EXPECT_EQ(labels.Get("lbl7"), "21");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label58")), "短诗一句");
  EXPECT_EQ(labels.Get("Label62"), "");
  EXPECT_EQ(labels.Get("Label22"), "");
  // keys without rows end the sketches after their fixed words
  EXPECT_EQ(GbkToUtf8(page.Lines()[4 + 2 * 10]), "    你的生日是农历初一。这个日子出生的人总体上");
}

TEST_F(BoneWeightPageTest, TheLeapMonthLooksUpItsRegularMonth) {
  BoneWeightReading(db, Birth({2020, 5, 25}, "闰四", "初三", 0), labels, page);
  EXPECT_EQ(GbkToUtf8(page.Lines()[4 + 2 * 16]), "    你在四月出生。此月份出生的人一般都是沉稳的人。");
}

}  // namespace
}  // namespace velmora
