#include <gtest/gtest.h>

#include "readings/year_outlook.h"
#include "tests/expect_error.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TextLines Gbk(std::initializer_list<const char*> lines) {
  TextLines gbk;
  for (const char* line : lines) gbk.push_back(Utf8ToGbk(line));
  return gbk;
}

TEST(SectionLines, MarkersEncloseTheBody) {
  struct Case {
    TextLines text;
    const char* key;
    TextLines expected;
  };
  const Case cases[] = {
      {Gbk({"鼠", "一", "", "二", "鼠。", "", "牛", "三", "牛。"}), "鼠", Gbk({"一", "", "二"})},
      {Gbk({"鼠", "一", "鼠。", "", "牛", "三", "牛。"}), "牛", Gbk({"三"})},
      {Gbk({"鼠", "一", "二"}), "鼠", {}},                 // no closing marker
      {Gbk({"一", "二", "鼠。"}), "鼠", Gbk({"一", "二"})},  // no opening marker: from the first line
      {Gbk({"鼠", "鼠。"}), "鼠", {}},                     // nothing between
      {Gbk({"鼠。", "一", "鼠"}), "鼠", {}},               // the wrong way round
  };
  for (const Case& c : cases) EXPECT_EQ(SectionLines(c.text, Utf8ToGbk(c.key)), c.expected);
}

BirthProfile BornOn(CivilDate date) {
  BirthProfile profile;
  profile.birthDate = {date};
  return profile;
}

TEST(YearOutlook, AnimalPageStartsWithTheBirthAndHoldsTheSection) {
  const TextLines texts = Gbk({"蛇", "蛇年一", "", "蛇。", "", "马", "马年一", "马。"});
  struct Case {
    CivilDate birth;
    const char* animal;
    const char* first;
    const char* body;
  };
  const Case cases[] = {
      {{1990, 5, 27}, "马", "你选择的出生日期是：1990-05-27。你的属相应该是马。", "马年一"},
      {{1990, 1, 26}, "蛇", "你选择的出生日期是：1990-01-26。你的属相应该是蛇。", "蛇年一"},
      {{1990, 1, 27}, "马", "你选择的出生日期是：1990-01-27。你的属相应该是马。", "马年一"},
  };
  for (const Case& c : cases) {
    ValueLabels labels;
    ReportPage page;
    AnimalYearReading(texts, BornOn(c.birth), labels, page);
    const std::vector<std::string>& lines = page.Lines();
    EXPECT_NE(GbkToUtf8(lines[2]).find("Velmora - 属相运程"), std::string::npos);
    EXPECT_EQ(GbkToUtf8(lines[4]), c.first);
    EXPECT_EQ(GbkToUtf8(lines[5]), c.body);
    EXPECT_EQ(lines[6], "<p>");
    EXPECT_EQ(lines.size(), 5u + (c.body == std::string("蛇年一") ? 4 : 2) + 51 + 1);
    EXPECT_EQ(lines.back(), "</BODY></HTML>");
    EXPECT_EQ(GbkToUtf8(labels.Get("Label48")), c.animal);
  }
}

TEST(YearOutlook, ConstellationPage) {
  ValueLabels labels;
  ReportPage page;
  StarSignYearReading(Gbk({"天秤座", "秋天", "天秤座。"}), BornOn({1990, 10, 23}), labels, page);
  EXPECT_EQ(GbkToUtf8(page.Lines()[4]), "你选择的出生日期是：1990-10-23。该日期属于天秤座。");
  EXPECT_EQ(GbkToUtf8(page.Lines()[5]), "秋天");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label51")), "天秤座");
}

// A missing, empty or damaged outlook file once gave an empty page; it is a
// file error now, and the page and labels of the reading before stay.
TEST(YearOutlook, TextsWithoutTheSectionAreAFileError) {
  const TextLines damaged[] = {{}, Gbk({""}), Gbk({"天蝎座", "秋天"}), Gbk({"蛇", "蛇年一"})};
  for (const TextLines& texts : damaged) {
    ValueLabels labels;
    ReportPage page;
    page.AddRaw("kept");
    testing::ExpectErrorMessage([&] { StarSignYearReading(texts, BornOn({1990, 10, 24}), labels, page); },
                                "data/sign_year.txt holds no outlook for 天蝎座: the file is missing, unreadable or damaged");
    testing::ExpectErrorMessage([&] { AnimalYearReading(texts, BornOn({1990, 1, 26}), labels, page); },
                                "data/animal_year.txt holds no outlook for 蛇: the file is missing, unreadable or damaged");
    EXPECT_EQ(page.Lines(), std::vector<std::string>{"kept"});
    EXPECT_EQ(labels.Get("Label51"), ValueLabels().Get("Label51"));
    EXPECT_EQ(labels.Get("Label48"), ValueLabels().Get("Label48"));
  }
}

// The texts the build ships: every key has a section, and the animals'
// monthly part has a block per lunar month of 2027.
TEST(YearOutlook, ShippedTextsHoldEverySection) {
  const TextLines animals = ReadTextLines(AnimalYearTextsPath(testing::BuiltProgramFolder()));
  for (const char* animal : {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"}) {
    const TextLines section = SectionLines(animals, Utf8ToGbk(animal));
    int blocks = 0;
    for (const std::string& line : section) blocks += GbkToUtf8(line).rfind("农历", 0) == 0 ? 1 : 0;
    EXPECT_EQ(blocks, 12) << animal;
    EXPECT_EQ(GbkToUtf8(section.front()).rfind("断曰：", 0), 0u) << animal;
  }
  const TextLines signs = ReadTextLines(StarSignYearTextsPath(testing::BuiltProgramFolder()));
  for (const char* sign : {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座", "天秤座", "天蝎座", "射手座",
                           "摩羯座", "水瓶座", "双鱼座"}) {
    const TextLines section = SectionLines(signs, Utf8ToGbk(sign));
    EXPECT_EQ(section.size(), 5u * 3 + 12 * 3 - 1) << sign;
    EXPECT_EQ(GbkToUtf8(section.front()), std::string(sign) + "2027年总体运势");
  }
}

}  // namespace
}  // namespace velmora
