#include <gtest/gtest.h>

#include "calendar/shichen.h"
#include "readings/birth_profile.h"
#include "readings/value_labels.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(NameBox, TypedBlanksDigitsAndLatinLettersAreDropped) {
  for (char32_t dropped : {U' ', U'0', U'9', U'A', U'Z', U'a', U'z'}) EXPECT_TRUE(IsDiscardedNameKey(dropped));
  for (char32_t kept : {U'张', U'·', U'-', U'，', U'\b', U'é'}) EXPECT_FALSE(IsDiscardedNameKey(kept));
}

TEST(NameBox, LeavingCutsToEightBytesOrReportsATooShortName) {
  struct Case {
    std::string name;
    std::string expected;
  };
  const Case cases[] = {
      {Utf8ToGbk("张三李四王"), Utf8ToGbk("张三李四")},
      {Utf8ToGbk("欧阳娜娜"), Utf8ToGbk("欧阳娜娜")},
      {Utf8ToGbk("张"), Utf8ToGbk("张")},
      {"", Utf8ToGbk("输入有误")},
      {"a", Utf8ToGbk("输入有误")},
      // a one-byte mark shifts the characters: the cut splits 四
      {Utf8ToGbk("a张三李四"), Utf8ToGbk("a张三李") + Utf8ToGbk("四").substr(0, 1)},
  };
  for (const Case& c : cases) EXPECT_EQ(NameOnLeave(c.name), c.expected) << GbkToUtf8(c.name);
}

TEST(NameBox, TogglesFlipAndTwoClicksRestore) {
  EXPECT_EQ(ToggledSex("男"_gbk), "女"_gbk);
  EXPECT_EQ(ToggledSex(ToggledSex("男"_gbk)), "男"_gbk);
  EXPECT_EQ(ToggledSurnameKind("单姓"_gbk), "复姓"_gbk);
  EXPECT_EQ(ToggledSurnameKind("复姓"_gbk), "单姓"_gbk);
}

TEST(Shichen, HoursMapToTwoHourBranches) {
  const char* const expected[24] = {"子时", "丑时", "丑时", "寅时", "寅时", "卯时", "卯时", "辰时",
                                    "辰时", "巳时", "巳时", "午时", "午时", "未时", "未时", "申时",
                                    "申时", "酉时", "酉时", "戌时", "戌时", "亥时", "亥时", "子时"};
  for (int hour = 0; hour < 24; ++hour) EXPECT_EQ(GbkToUtf8(HourToShichen(hour)), expected[hour]) << hour;
  EXPECT_EQ(HourToShichen(24), "");
}

TEST(ValueLabels, StartWithTheirInitialTexts) {
  ValueLabels labels;
  EXPECT_EQ(labels.Get("Label14"), "000");
  EXPECT_EQ(labels.Get("Label20"), "000000");
  EXPECT_EQ(GbkToUtf8(labels.Get("Label48")), "羊");
  EXPECT_EQ(labels.Get("lbl7"), "55");
  EXPECT_EQ(labels.Get("Label50"), "");
  labels.Set("Label50", "x");
  EXPECT_EQ(labels.Get("Label50"), "x");
}

}  // namespace
}  // namespace velmora
