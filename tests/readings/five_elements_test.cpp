#include <gtest/gtest.h>

#include "tests/expect_error.h"

#include "readings/element_count_page.h"
#include "readings/five_elements.h"
#include "refdb/sqlcipher_database.h"
#include "tests/readings/readings_fixture.h"
#include "tests/test_folder.h"
#include "text/gbk.h"
#include "text/text_lines.h"

namespace velmora {
namespace {

TEST(FiveElements, RankingWordsForTheTwoWeakest) {
  const std::string labels[5] = {"水(0)"_gbk, "金(1)"_gbk, "木(2)"_gbk, "土(2)"_gbk, "火(3)"_gbk};
  EXPECT_EQ(GbkToUtf8(RankingSentence(labels, 0, 1)), "在你的五行中，火(3)盛，土(2)旺，木(2)平，金(1)弱，水(0)缺。");
  EXPECT_EQ(GbkToUtf8(RankingSentence(labels, 0, 0)), "在你的五行中，火(3)盛，土(2)旺，木(2)平，金(1)缺，水(0)缺。");
  EXPECT_EQ(GbkToUtf8(RankingSentence(labels, 1, 1)), "在你的五行中，火(3)盛，土(2)旺，木(2)平，金(1)弱，水(0)弱。");
}

TEST(FiveElements, CharacterRunsWrapToTheStart) {
  std::string list;
  for (int i = 0; i < 100; ++i) list += Utf8ToGbk(i % 2 ? "林" : "森");  // 200 bytes
  EXPECT_EQ(CharacterRun(list, 21), list.substr(20, 160));  // 80 characters from 21, no wrap
  EXPECT_EQ(CharacterRun(list, 41), list.substr(40, 160));  // ends exactly at the list's end
  // ten characters left from position 181: they, then the first seventy
  EXPECT_EQ(CharacterRun(list, 181), list.substr(180, 20) + list.substr(0, 140));
  EXPECT_EQ(CharacterRun(list, 411), list.substr(0, 160));  // a start past the end
  const std::string shortList = Utf8ToGbk("林森木");
  EXPECT_EQ(CharacterRun(shortList, 3), Utf8ToGbk("森木林森木"));  // the remainder, then the whole list again
}

TEST(FiveElements, FormatCharacterGroup) {
  EXPECT_EQ(GbkToUtf8(FormatCharacterGroup(Utf8ToGbk("林森木"))), "林、 森、 木、");
  EXPECT_EQ(GbkToUtf8(FormatCharacterGroup(Utf8ToGbk("a林  b"))), "a 林、 b");
  EXPECT_EQ(FormatCharacterGroup(""), "");
}

TEST(ElementCountPage, CountsAtBytesThirteenToSeventeenOfLineEighteen) {
  ElementCountPage page;
  const std::vector<BrowserElement> elements = page.Elements();
  ASSERT_EQ(elements.back().type, "button");
  for (const auto& [index, value] : {std::pair{1, "2000"}, {2, "1"}, {3, "1"}, {4, "0"}}) {
    page.SetElementValue(index, value);
  }
  page.ClickElement(5);
  const std::vector<std::string> lines = SplitLines(page.BodyText());
  ASSERT_GE(lines.size(), 40u);
  // 己卯 丙子 戊午 壬子: 金0 木1 水3 火2 土2
  EXPECT_EQ(lines[18].substr(12), "01322");
  EXPECT_EQ(GbkToUtf8(lines[31]), "八字：　己卯　丙子　戊午　壬子");

  page.SetElementValue(4, "23");
  page.ClickElement(5);
  EXPECT_NE(GbkToUtf8(page.BodyText()).find("二十三时已入次日子时"), std::string::npos);
  page.SetElementValue(2, "13");  // no such month
  page.ClickElement(5);
  EXPECT_EQ(SplitLines(page.BodyText())[18].substr(12), "-----");
}

// The chart's note line (39) names the 节 moment to the minute within two
// hours of it, and the standard time of a daylight-saving birth.
TEST(ElementCountPage, NotesNameTheJieMomentAndTheStandardTime) {
  struct Case {
    const char* date[3];
    const char* hour;
    const char* chart;  // line 31
    const char* note;   // line 39
  };
  const Case cases[] = {
      // 立春 2020-02-04 17:03:11 (golden file): 17:00 is still the old year
      {{"2020", "2", "4"}, "17", "八字：　己亥　丁丑　丁丑　己酉",
       "注：出生距立春（2020年2月4日17:03交节）不足两小时，年柱、月柱以交节时刻为界，各家排法或有不同。"},
      // 13:00 of a daylight-saving summer is 12:00 standard: the 午 hour
      {{"1988", "7", "1"}, "13", "八字：　戊辰　戊午　丁巳　丙午", "注：夏令时出生，按北京标准时间1988年7月1日12时排盘。"},
      // 惊蛰 2008-03-05 12:58:43: at 23:00 only the late 子 hour is noted, at 14:00 the 节
      {{"2008", "3", "5"}, "23", "八字：　戊子　乙卯　乙巳　丙子",
       "注：二十三时已入次日子时，日柱与时柱按次日排。"},
      {{"2008", "3", "5"}, "14", "八字：　戊子　乙卯　甲辰　辛未",
       "注：出生距惊蛰（2008年3月5日12:58交节）不足两小时，月柱以交节时刻为界，各家排法或有不同。"},
  };
  for (const Case& c : cases) {
    ElementCountPage page;
    page.SetElementValue(1, c.date[0]);
    page.SetElementValue(2, c.date[1]);
    page.SetElementValue(3, c.date[2]);
    page.SetElementValue(4, c.hour);
    page.ClickElement(5);
    const std::vector<std::string> lines = SplitLines(page.BodyText());
    ASSERT_GE(lines.size(), 40u);
    EXPECT_EQ(GbkToUtf8(lines[31]), c.chart);
    EXPECT_EQ(GbkToUtf8(lines[39]), c.note);
  }
}

class FiveElementReadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CreateReadingsDatabase(folder, {});
    SqlCipherDatabase raw(folder.Path() + ReferenceDatabase().file, ReferenceDatabase().password,
                          SqlCipherDatabase::Mode::OpenExisting);
    raw.Execute(
        "CREATE TABLE 五行 (五行 TEXT, 数字 TEXT, 汉字 TEXT);"
        "INSERT INTO 五行 VALUES ('金', '9', '铭锦钧'), ('木', '9', '林森木'), ('水', '9', '涵泽浩'),"
        " ('火', '9', '炎炜煜'), ('土', '9', '坤培垚');");
  }
  BirthProfile Profile(CivilDate date, int hour) {
    BirthProfile profile;
    profile.birthDate = {date};
    profile.cnMonth = "冬月"_gbk;
    profile.cnDay = "廿五"_gbk;
    profile.birthHourIndex = hour;
    return profile;
  }
  testing::TestFolder folder;
  ReferenceDb db{folder.Path(), ReferenceDatabase()};
  ValueLabels labels;
  ReportPage page;
};

TEST_F(FiveElementReadingTest, CountsAreStoredRankedAndReported) {
  ElementCountPage counter;
  ASSERT_TRUE(FiveElementReading(counter, db, Profile({2000, 1, 1}, 0), labels, page));
  db.Lookup("select * from 五行"_gbk);
  std::string stored;
  for (db.First(); !db.AtEnd(); db.Next()) stored += db.FieldText("数字"_gbk);
  EXPECT_EQ(stored, "01322");
  const std::vector<std::string>& lines = page.Lines();
  ASSERT_EQ(lines.size(), 4u + 2 * 10 + 2 * 7 + 1);
  EXPECT_EQ(lines[2], FiveElementTitleLine());
  EXPECT_EQ(GbkToUtf8(lines[6]), "八字：　己卯　丙子　戊午　壬子");  // chart line 31
  EXPECT_EQ(GbkToUtf8(lines[26]), "在你的五行中，水(3)盛，土(2)旺，火(2)平，木(1)弱，金(0)缺。");
  // W = 59 (己卯年 19, 冬月 9, 廿五 15, 子时 16): both starts lie past these short lists
  EXPECT_EQ(GbkToUtf8(lines[32]), "铭、 锦、 钧、");
  EXPECT_EQ(GbkToUtf8(lines[34]), "林、 森、 木、");
  EXPECT_EQ(lines.back(), "</BODY></HTML>");
}

// A page without a button: nothing is written, not even the counts.
TEST_F(FiveElementReadingTest, APageWithoutAButtonEndsQuietly) {
  class NoButton : public ElementCountPage {
   public:
    std::vector<BrowserElement> Elements() override { return {{"INPUT", "text", "y", ""}}; }
  } page1;
  EXPECT_FALSE(FiveElementReading(page1, db, Profile({2000, 1, 1}, 0), labels, page));
  db.Lookup("select * from 五行"_gbk);
  EXPECT_EQ(db.FieldText("数字"_gbk), "9");
  EXPECT_TRUE(page.Lines().empty());
}

TEST_F(FiveElementReadingTest, CountsThatAreNoDigitsStopWithTheConversionError) {
  ElementCountPage counter;
  BirthProfile profile = Profile({2000, 1, 1}, 0);
  profile.birthDate.date = {2000, 2, 30};  // the page cannot chart it
  testing::ExpectErrorMessage([&] { FiveElementReading(counter, db, profile, labels, page); },
                              "'-' is not a valid integer value");
}

}  // namespace
}  // namespace velmora
