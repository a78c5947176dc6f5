#include <gtest/gtest.h>

#include "services/name_chart.h"
#include "services/xingjia_reading.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;

TEST(NameChart, CharactersAreSplitByTheirGbkLength) {
  std::vector<std::string> split;
  for (const std::string& c : SplitCharacters(Utf8ToGbk("张a三%"))) split.push_back(GbkToUtf8(c));
  EXPECT_EQ(split, (std::vector<std::string>{"张", "a", "三", "%"}));
  EXPECT_EQ(SplitCharacters("\xD5").size(), 1u);  // a lead byte at the end stands alone
  EXPECT_TRUE(SplitCharacters("").empty());
}

TEST(NameChart, HowCommonACharacterIs) {
  struct Case {
    const char* gbk;
    CharacterUse use;
  };
  const Case cases[] = {
      {"\xB0\xA1", CharacterUse::Common},      // 啊, the first of level 1
      {"\xD7\xF9", CharacterUse::Common},      // 座, the last of level 1
      {"\xD7\xFA", CharacterUse::Rare},        // the unused end of row 55
      {"\xA1\xA1", CharacterUse::Rare},        // a full-width blank: no ideograph of either level
      {"\xD8\xA1", CharacterUse::LessCommon},  // 亍, the first of level 2
      {"\xF7\xFE", CharacterUse::LessCommon},  // 齄, the last of level 2
      {"\x86\xB4", CharacterUse::Rare},        // 喆, GBK only
      {"\xC1\x88", CharacterUse::Rare},        // 翀: a level-1 lead byte, a GBK trail byte
      {"a", CharacterUse::NoIdeograph},
  };
  for (const Case& c : cases) EXPECT_EQ(UseOf(c.gbk), c.use) << c.gbk;
}

TEST(NameChart, CompoundSurnamesAndTheirReadingsComeFromTheirTable) {
  struct Case {
    const char* name;
    int surnameLength;
    std::vector<const char*> readings;
  };
  const Case cases[] = {
      {"欧阳娜娜", 2, {"ou1", "yang2", "na4", "na4"}},
      {"万俟卨", 2, {"mo4", "qi2", "xie4"}},  // 万俟 is mòqí
      {"尉迟恭", 2, {"yu4", "chi2", "gong1"}},
      {"单田芳", 1, {"shan4", "tian2", "fang1"}},  // 单 as a surname
      {"单于", 2, {"chan2", "yu2"}},              // the surname alone
      {"曾单", 1, {"zeng1", "dan1"}},               // only the surname takes its own reading
      {"东方", 2, {"dong1", "fang1"}},
      {"张三", 1, {"zhang1", "san1"}},
  };
  for (const Case& c : cases) {
    const NameChart chart = ChartFullName(Utf8ToGbk(c.name), ProgramSources());
    EXPECT_EQ(chart.surnameLength, c.surnameLength) << c.name;
    ASSERT_EQ(chart.characters.size(), c.readings.size()) << c.name;
    for (std::size_t i = 0; i < c.readings.size(); ++i) {
      ASSERT_TRUE(chart.characters[i].reading) << c.name;
      EXPECT_EQ(chart.characters[i].reading->letters + std::to_string(chart.characters[i].reading->tone),
                c.readings[i])
          << c.name;
    }
  }
}

TEST(NameChart, StrokesFormsElementsAndGrids) {
  const NameChart chart = ChartName(Utf8ToGbk("张"), Utf8ToGbk("三丰"), ProgramSources());
  ASSERT_EQ(chart.characters.size(), 3u);
  EXPECT_EQ(GbkToUtf8(chart.characters[0].traditional), "張");
  EXPECT_EQ(chart.characters[0].strokes, 11);
  EXPECT_EQ(GbkToUtf8(chart.characters[0].element), "木");  // by the strokes' last digit
  EXPECT_FALSE(chart.characters[0].elementByMeaning);
  EXPECT_EQ(chart.characters[2].strokes, 18);  // 豐
  EXPECT_TRUE(chart.characters[2].elementByMeaning);
  const int grids[] = {12, 14, 21, 19, 32};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(chart.grids[i].number, grids[i]) << i;
  EXPECT_EQ(GbkToUtf8(chart.grids[1].verdictClass), "凶");
  EXPECT_EQ(GbkToUtf8(chart.grids[1].summary), "破兆之数，沉浮不定");
  EXPECT_EQ(GbkToUtf8(chart.threeTalents), "木火木");
  EXPECT_EQ(GbkToUtf8(chart.talentClass), "大吉");
  EXPECT_FALSE(chart.fixedOuter);
  EXPECT_TRUE(ChartName(Utf8ToGbk("李"), Utf8ToGbk("白"), ProgramSources()).fixedOuter);
}

TEST(NameChart, WhatKeepsANameFromItsGrids) {
  struct Case {
    const char* surname;
    const char* given;
    const char* problem;
  };
  const Case cases[] = {
      {"", "", "没有输入姓名。"},
      {"张", "", "只有姓而没有名，排不出五格。"},
      {"张", "a", "“a”不是能计算笔画的汉字，排不出五格。"},
      {"欧阳", "明月星", "五格只排单姓配一至三字名、复姓配一至二字名的姓名。"},
      {"司马相", "如", "五格只排单姓配一至三字名、复姓配一至二字名的姓名。"},
  };
  for (const Case& c : cases) {
    const NameChart chart = ChartName(Utf8ToGbk(c.surname), Utf8ToGbk(c.given), ProgramSources());
    ASSERT_TRUE(chart.Problem()) << c.problem;
    EXPECT_EQ(GbkToUtf8(*chart.Problem()), c.problem);
  }
  EXPECT_TRUE(ChartName(Utf8ToGbk("张"), Utf8ToGbk("三李四"), ProgramSources()).Complete());
}

TEST(XingjiaReading, EveryRelationOfTheCycle) {
  struct Case {
    const char* grid;
    const char* self;
    const char* relation;
  };
  const Case cases[] = {
      {"木", "火", "生我"}, {"火", "木", "我生"}, {"金", "木", "剋我"},
      {"木", "金", "我剋"}, {"水", "水", "比和"}, {"水", "木", "生我"},  // the cycle closes
      {"土", "水", "剋我"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GbkToUtf8(RelationName(RelationToSelf(Utf8ToGbk(c.grid), Utf8ToGbk(c.self)))), c.relation)
        << c.grid << c.self;
  }
  EXPECT_THROW(RelationToSelf(Utf8ToGbk("木"), Utf8ToGbk("风")), std::invalid_argument);
}

}  // namespace
}  // namespace velmora::services
