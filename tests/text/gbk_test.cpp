#include <gtest/gtest.h>

#include "text/gbk.h"
#include "text/gbk_bytes.h"
#include "text/utf8.h"

namespace velmora {
namespace {

TEST(Gbk, ConvertsBothWaysWithTwoBytesPerChineseCharacter) {
  const std::string gbk = Utf8ToGbk("正月初一 ok");
  EXPECT_EQ(gbk, "\xD5\xFD\xD4\xC2\xB3\xF5\xD2\xBB ok");
  EXPECT_EQ(GbkToUtf8(gbk), "正月初一 ok");
}

TEST(Gbk, LiteralIsConvertedOnceAndKeepsItsBytes) {
  EXPECT_EQ("闰四"_gbk, Utf8ToGbk("闰四"));
  EXPECT_EQ(&"闰四"_gbk, &"闰四"_gbk);
  EXPECT_EQ(""_gbk, "");
}

TEST(Gbk, UnmappableAndBrokenCharactersBecomeQuestionMarks) {
  struct Case {
    const char* what;
    std::string input;
    std::string expected;
    bool toGbk;
  };
  const Case cases[] = {
      {"emoji has no GBK form", "a😀b", "a?b", true},
      {"two unmappable in a row", "😀😀", "??", true},
      {"UTF-8 sequence cut short at the end: one mark per byte", "a\xE4\xB8", "a??", true},
      {"a stray byte keeps the characters after it", "A\xFF" "BCD", "A?BCD", true},
      {"a lead byte followed by ASCII", "\xE4" "AB", "?AB", true},
      {"a lead before a Chinese character", "\xE4\xE5\xBC\xA0", "?张", true},
      {"overlong slash", "\xC0\xAF" "/", "?" "?/", true},
      {"surrogate half", "\xED\xA0\x80z", "???z", true},
      {"five-byte form", "\xF8\x88\x80\x80\x80", "?????", true},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "????", true},
      {"tag characters, which the converter would drop", "a\xF3\xA0\x80\x81" "b\xF3\xA0\x81\xBF", "a?b?", true},
      {"the plane's other characters stay marks too", "\xF3\xA0\x84\x80", "?", true},
      {"GBK lead byte without trail at the end", "\xD5\xFD\xD5", "正?", false},
      {"invalid GBK pair in the middle", "\xD5\xFD\xFF\xFF\xD4\xC2", "正??月", false},
      {"GBK lead byte before ASCII keeps the ASCII", "\xD5" "12", "?12", false},
  };
  for (const Case& c : cases) {
    const std::string result = c.toGbk ? GbkToUtf8(Utf8ToGbk(c.input)) : GbkToUtf8(c.input);
    EXPECT_EQ(result, c.expected) << c.what;
  }
}

TEST(Utf8, DecodingRejectsEveryMalformedForm) {
  EXPECT_EQ(DecodeUtf8("\x7F\xC2\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF"), (std::vector<char32_t>{0x7F, 0x80, 0xFFFF, 0x10FFFF}));
  for (const std::string bad : {"\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xA0\x80",
                                "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF", "\xE5\xBC"}) {
    EXPECT_THROW(DecodeUtf8(bad), std::runtime_error) << ::testing::PrintToString(bad);
  }
}

TEST(Gbk, LongTextsCrossTheConversionBuffer) {
  std::string utf8;
  for (int i = 0; i < 3000; ++i) utf8 += "龙";
  const std::string gbk = Utf8ToGbk(utf8);
  EXPECT_EQ(gbk.size(), 6000u);
  EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

TEST(GbkBytes, CutsByOneBasedBytePositions) {
  const std::string name = Utf8ToGbk("欧阳娜娜");
  struct Case {
    int position, count;
    std::string expected;
  };
  const Case cases[] = {
      {1, 2, Utf8ToGbk("欧")},   {3, 4, Utf8ToGbk("阳娜")}, {7, 10, Utf8ToGbk("娜")}, {9, 2, ""},
      {0, 2, Utf8ToGbk("欧")},   {-5, 4, Utf8ToGbk("欧阳")}, {2, 0, ""},             {1, -1, ""},
      {1, 100, name},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BytesAt(name, c.position, c.count), c.expected) << c.position << "," << c.count;
  }
}

TEST(GbkBytes, WholeCharactersAreKeptWithinALength) {
  struct Case {
    std::string text;
    std::size_t count;
    std::string kept;
  };
  const Case cases[] = {
      {Utf8ToGbk("张三丰"), 4, Utf8ToGbk("张三")},
      {Utf8ToGbk("张三丰"), 5, Utf8ToGbk("张三")},   // the third character does not fit
      {Utf8ToGbk("a张三"), 4, Utf8ToGbk("a张")},
      {Utf8ToGbk("张") + "\xD5", 3, Utf8ToGbk("张") + "\xD5"},  // a lead byte at the end is a byte of its own
      {Utf8ToGbk("张三"), 100, Utf8ToGbk("张三")},
      {"", 8, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WholeCharactersWithin(c.text, c.count), c.kept) << c.count;
}

TEST(GbkBytes, CharacterKStartsAtByteTwoKMinusOne) {
  const std::string name = Utf8ToGbk("张三丰");
  EXPECT_EQ(CharacterAt(name, 1), Utf8ToGbk("张"));
  EXPECT_EQ(CharacterAt(name, 3), Utf8ToGbk("丰"));
  EXPECT_EQ(CharacterAt(name, 4), "");
}

}  // namespace
}  // namespace velmora
