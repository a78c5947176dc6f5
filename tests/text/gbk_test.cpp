#include <gtest/gtest.h>

#include "text/gbk.h"
#include "text/gbk_bytes.h"

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
      {"broken UTF-8 lead byte", "a\xE4\xB8", "a?", true},
      {"GBK lead byte without trail at the end", "\xD5\xFD\xD5", "正?", false},
      {"invalid GBK pair in the middle", "\xD5\xFD\xFF\xFF\xD4\xC2", "正??月", false},
  };
  for (const Case& c : cases) {
    const std::string result = c.toGbk ? GbkToUtf8(Utf8ToGbk(c.input)) : GbkToUtf8(c.input);
    EXPECT_EQ(result, c.expected) << c.what;
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

TEST(GbkBytes, CharacterKStartsAtByteTwoKMinusOne) {
  const std::string name = Utf8ToGbk("张三丰");
  EXPECT_EQ(CharacterAt(name, 1), Utf8ToGbk("张"));
  EXPECT_EQ(CharacterAt(name, 3), Utf8ToGbk("丰"));
  EXPECT_EQ(CharacterAt(name, 4), "");
}

}  // namespace
}  // namespace velmora
