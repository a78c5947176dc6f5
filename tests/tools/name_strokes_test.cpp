#include <gtest/gtest.h>

#include "tools/refdb/name_strokes.h"
#include "tools/refdb/stroke_pairs.h"
#include "tools/refdb/unicode_text.h"

namespace velmora::tools {
namespace {

TEST(KangxiRadicals, FullFormsCountInFull) {
  struct Case {
    int radical, strokes;
  };
  const Case cases[] = {{1, 1},   {6, 1},   {7, 2},   {29, 2},   {30, 3},   {60, 3},  {61, 4},  {64, 4},
                        {85, 4},  {94, 4},  {95, 5},  {96, 5},   {117, 5},  {118, 6}, {130, 6}, {140, 6},
                        {146, 6}, {147, 7}, {162, 7}, {163, 7},  {166, 7},  {167, 8}, {170, 8}, {175, 8},
                        {176, 9}, {186, 9}, {187, 10}, {194, 10}, {195, 11}, {204, 12}, {208, 13}, {210, 14},
                        {211, 15}, {213, 16}, {214, 17}};
  for (const Case& c : cases) EXPECT_EQ(KangxiRadicalStrokes(c.radical), c.strokes) << c.radical;
}

TEST(StrokePairs, VerdictClassesAndElements) {
  EXPECT_EQ(TrailingVerdictClass("……此数吉祥。（吉带凶）"), "吉带凶");
  EXPECT_EQ(TrailingVerdictClass("没有括号"), "");
  EXPECT_EQ(TrailingVerdictClass("（吉）之后还有字"), "");
  EXPECT_EQ(ElementOfNumber(10), "水");
  EXPECT_EQ(ElementOfNumber(19), "水");
  EXPECT_EQ(ElementOfNumber(22), "木");
  EXPECT_EQ(ElementOfNumber(15), "土");
  EXPECT_EQ(StrokePairCodes({{3, 12}, {5, 27}, {11, 21}}), "0312 0527 1121");
}

TEST(StrokePairs, OnlyGoodNumbersAndTalentsPass) {
  NumerologyVerdicts verdicts;
  for (int n = 1; n <= 81; ++n) verdicts.numberClass[n] = "凶";
  // surname 7: 天 8 (金); choose a = 8, b = 8: 人 15 (土), 地 16 (土), 外 9, 总 23
  for (int n : {15, 16, 23}) verdicts.numberClass[n] = "吉";
  verdicts.numberClass[9] = "半吉";
  verdicts.talentClass["金土土"] = "大吉";
  const std::set<int> counts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_EQ(FavourableStrokePairs(7, verdicts, counts, 10), (std::vector<std::pair<int, int>>{{8, 8}}));
  verdicts.talentClass["金土土"] = "凶";
  EXPECT_TRUE(FavourableStrokePairs(7, verdicts, counts, 10).empty());
  verdicts.talentClass["金土土"] = "吉";
  EXPECT_TRUE(FavourableStrokePairs(7, verdicts, {1, 2}, 10).empty());  // no characters of 8 strokes
}

TEST(UnicodeText, RoundTripAndMalformedInput) {
  const std::string text = "张a😀";
  EXPECT_EQ(DecodeUtf8(text), (std::vector<char32_t>{0x5F20, 'a', 0x1F600}));
  std::string encoded;
  for (char32_t c : DecodeUtf8(text)) encoded += EncodeUtf8(c);
  EXPECT_EQ(encoded, text);
  EXPECT_THROW(DecodeUtf8("\xE5\xBC"), std::runtime_error);
  EXPECT_EQ(ParseCodePoint("U+5F20"), 0x5F20u);
  EXPECT_EQ(ParseCodePoint("5F20"), 0u);
}

}  // namespace
}  // namespace velmora::tools
