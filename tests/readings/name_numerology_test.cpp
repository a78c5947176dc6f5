#include <gtest/gtest.h>

#include "tests/expect_error.h"

#include "readings/name_numerology.h"
#include "tests/readings/readings_fixture.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

class NameReadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CreateReadingsDatabase(folder, {{"李", "7"},  {"明", "8"},  {"亮", "9"},  {"华", "14"}, {"欧", "15"},
                                             {"阳", "17"}, {"龘", "30"}, {"籲", "23"}, {"爨", "51"}, {"坏", "x7"}});
    db.Open();
  }
  std::vector<std::string> Read(const char* name, const char* surnameKind = "单姓") {
    BirthProfile profile;
    profile.name = Utf8ToGbk(name);
    profile.sex = "男"_gbk;
    profile.surnameKind = Utf8ToGbk(surnameKind);
    profile.birthDate = {{1990, 5, 27}};
    return NameReading(db, profile, labels);
  }
  std::string Grids() {
    std::string grids;
    for (const char* label : {"Label14", "Label15", "Label16", "Label17", "Label18"}) {
      grids += labels.Get(label) + " ";
    }
    return grids + GbkToUtf8(labels.Get("Label20"));
  }

  testing::TestFolder folder;
  ReferenceDb db{folder.Path(), ReferenceDatabase()};
  ValueLabels labels;
};

// 天 人 地 外 总 and the three talents, each case on fresh value labels.
TEST_F(NameReadingTest, GridRulesForBothSurnameKindsAndEveryLength) {
  struct Case {
    const char* name;
    const char* kind;
    const char* grids;
  };
  const Case cases[] = {
      {"李明亮", "单姓", "8 15 17 10 24 金土金"},      // the worked example
      {"李明", "单姓", "8 15 9 2 15 金土水"},           // 外格 2 whatever the strokes
      {"李明亮华", "单姓", "8 15 31 15 38 金土木"},
      {"欧阳", "复姓", "32 000 000 000 32 木水水"},     // the surname alone: 人, 地, 外 keep theirs
      {"欧阳明", "复姓", "32 25 9 16 40 木土水"},
      {"欧阳明亮", "复姓", "32 25 17 24 49 木土金"},
      {"李", "单姓", "8 000 000 000 000 金水水"},        // one character: only 天格
      {"李明亮华欧", "单姓", "8 15 000 000 000 金土水"},  // more than four characters: 天 and 人 only
      {"李睿亮", "单姓", "8 000 000 10 000 金水水"},      // 睿 has no row: its grids keep theirs
      {"李明亮", "复姓", "15 17 10 8 24 土金水"},         // the same text as a two-character surname
  };
  for (const Case& c : cases) {
    labels = ValueLabels();
    Read(c.name, c.kind);
    EXPECT_EQ(Grids(), c.grids) << c.name << " " << c.kind;
  }
}

TEST_F(NameReadingTest, GridsOfAnEarlierReadingStayWhereCountsAreMissing) {
  Read("李明亮");
  Read("李");
  EXPECT_EQ(Grids(), "8 15 17 10 24 金土金");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label2")), "");
  EXPECT_EQ(labels.Get("Label6"), "");
}

TEST_F(NameReadingTest, TotalsAboveEightyOneLoseEightyOneOnce) {
  struct Case {
    const char* name;
    const char* total;
    const char* meaning;
  };
  const Case cases[] = {
      {"龘龘籲", "2", "数2"},    // 83
      {"龘龘华", "74", "数74"},  // 74 stays
      {"爨龘", "81", "数81"},    // 81 stays
      {"爨爨龘华", "65", "数65"},  // 146
      {"爨爨爨龘", "102", ""},   // 183 stays above 81: no row
  };
  for (const Case& c : cases) {
    labels = ValueLabels();
    const std::vector<std::string> lines = Read(c.name);
    EXPECT_EQ(labels.Get("Label18"), c.total) << c.name;
    EXPECT_EQ(GbkToUtf8(lines[lines.size() - 3]), std::string("根据笔划数理理论，你的姓名还可能隐含如下吉凶信息：") + c.meaning);
  }
}

TEST_F(NameReadingTest, ReadingTextLinesInOrder) {
  const std::vector<std::string> lines = Read("李明亮");
  std::vector<std::string> utf8;
  for (const std::string& line : lines) utf8.push_back(GbkToUtf8(line));
  const std::vector<std::string> expected = {
      "李明亮，男，生于1990-05-27。三才：金土金",
      "你的姓名可能隐含如下信息：",
      "",
      "配置说明",
      "根据汉字吉凶理论，你的姓名可能隐含如下吉凶信息：成功运一",
      "成功运二",  // a database text with a line break adds a line
      "",
      "根据三才吉凶理论，你的姓名可能隐含如下吉凶信息：三才吉",
      "",
      "",
      "根据笔划数理理论，你的姓名还可能隐含如下吉凶信息：数24",
      "",
      "内容参考众多不同古籍，如有冲突，以尊重原文为主！",
  };
  EXPECT_EQ(utf8, expected);
}

TEST_F(NameReadingTest, TypedMarkupStaysTextAndQuotesNeverBreakALookup) {
  const std::vector<std::string> lines = Read("<b>\"李\"");
  EXPECT_EQ(GbkToUtf8(lines[0]).substr(0, 27), "&lt;b&gt;&quot;李&quot;，");
}

TEST_F(NameReadingTest, ACountThatIsNoNumberStopsTheReading) {
  testing::ExpectErrorMessage([&] { Read("坏明"); }, "'x7' is not a valid integer value");
}

TEST(NamePage, TitleTrailerAndClosingLine) {
  ReportPage page;
  BuildNamePage(page, {"第一行"_gbk, ""});
  const std::vector<std::string>& lines = page.Lines();
  ASSERT_EQ(lines.size(), 4u + 4 + 51 + 1);
  EXPECT_NE(GbkToUtf8(lines[2]).find("Velmora - 姓名测算"), std::string::npos);
  EXPECT_EQ(lines[3], PlainSeparator());
  EXPECT_EQ(GbkToUtf8(lines[4]), "第一行");
  EXPECT_EQ(lines[5], "<p>");
  EXPECT_EQ(lines[lines.size() - 2], ReportTrailer().back());
  EXPECT_EQ(lines.back(), "</BODY></HTML>");
}

TEST(ElementOfDigit, LastDigitsToElements) {
  const std::pair<char, const char*> cases[] = {{'1', "木"}, {'2', "木"}, {'3', "火"}, {'4', "火"}, {'5', "土"},
                                                {'6', "土"}, {'7', "金"}, {'8', "金"}, {'9', "水"}, {'0', "水"}};
  for (const auto& [digit, element] : cases) EXPECT_EQ(GbkToUtf8(ElementOfDigit(digit)), element) << digit;
}

}  // namespace
}  // namespace velmora
