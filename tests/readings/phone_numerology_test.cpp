#include <gtest/gtest.h>

#include "tests/expect_error.h"

#include "readings/phone_numerology.h"
#include "text/gbk.h"

namespace velmora {
namespace {

using Outcome = PhoneReading::Outcome;

TEST(PhoneNumerology, TheLastFourDigitsModuloEighty) {
  struct Case {
    const char* input;
    const char* verdict;
  };
  const Case cases[] = {
      {"1234567", "和气致祥，必获成功　吉"},         // 4567 mod 80 = 7
      {"13800000001", "大展鸿图，可获成功　吉"},
      {"13812345678", "有得有失，华而不实　吉带凶"},  // 78
      {"13800000079", "前途无光，希望不大　凶"},
      {"13800000080", "得而复失，枉费心机　吉带凶"},  // remainder 0 takes entry 80
      {" 1234567", "和气致祥，必获成功　吉"},        // a leading blank passes both tests
      {"1234567 ", "和气致祥，必获成功　吉"},        // the tail "567 " reads as 567
      {"    -12", "薄弱无力，谋事难成　凶"},          // -12 / 80 = -0.15: the digits .15 give 12
      {"   -123", "忍耐自重，转凶为吉　吉带凶"},           // .5375 x 80 = 43
  };
  for (const Case& c : cases) {
    const PhoneReading reading = ReadPhoneNumber(c.input);
    EXPECT_EQ(reading.outcome, Outcome::Verdict) << c.input;
    EXPECT_EQ(GbkToUtf8(reading.message), std::string("手机号码：") + c.input + "\r\r吉凶预测：" + c.verdict);
  }
}

TEST(PhoneNumerology, ShortNumbersAndNonNumbers) {
  const PhoneReading tooShort = ReadPhoneNumber("123456");
  EXPECT_EQ(tooShort.outcome, Outcome::TooShort);
  EXPECT_EQ(GbkToUtf8(tooShort.message), "手机号码输入错误，测算失败！");
  const std::string silent[] = {"",         "abc1234",   "138-1234-5678", "12 34567", "1.2.34567",
                                "1234567e", "1234567e+", "+-1234567",     ".",        Utf8ToGbk("一二三四五六七")};
  for (const std::string& text : silent) {
    const PhoneReading reading = ReadPhoneNumber(text);
    EXPECT_EQ(reading.outcome, Outcome::NotANumber) << text;
    EXPECT_EQ(reading.message, "");
  }
  EXPECT_EQ(ReadPhoneNumber("+1234567").outcome, Outcome::Verdict);
  EXPECT_EQ(ReadPhoneNumber("1234.5e1").outcome, Outcome::Verdict);  // tail .5e1 = 5
}

// The number test once recursed per character and overflowed the stack on
// long texts; a number of any length gets its verdict.
TEST(PhoneNumerology, NumbersOfAnyLengthAreRead) {
  struct Case {
    std::string input;
    const char* verdict;
  };
  const Case cases[] = {
      {std::string(26503, '1'), "吉凶参半，惟赖勇气　吉带凶"},          // 1111 mod 80 = 71
      {std::string(131000, ' ') + "1", "大展鸿图，可获成功　吉"},        // the tail "   1" reads as 1
      {std::string(1000000, '9') + "e+1", "空费心力，徒劳无功　凶"},    // the tail "9e+1" is 90: 10
      {"-" + std::string(500000, '0') + "." + std::string(500000, '7'), "有贵人助，可得成功　吉"},  // 7777: 17
  };
  for (const Case& c : cases) {
    const PhoneReading reading = ReadPhoneNumber(c.input);
    ASSERT_EQ(reading.outcome, Outcome::Verdict) << c.input.size();
    EXPECT_EQ(GbkToUtf8(reading.message), "手机号码：" + c.input + "\r\r吉凶预测：" + c.verdict);
  }
  EXPECT_EQ(ReadPhoneNumber(std::string(200000, '1') + "x").outcome, Outcome::NotANumber);
}

TEST(PhoneNumerology, ATailWithAFractionIsTheConversionError) {
  testing::ExpectErrorMessage([] { ReadPhoneNumber("12345667.5"); }, "'67.5' is not a valid integer value");
}

TEST(PhoneNumerology, TheTableHasItsEightyOneEntries) {
  EXPECT_EQ(GbkToUtf8(PhoneNumberPhrase(1)), "大展鸿图，可获成功　吉");
  EXPECT_EQ(GbkToUtf8(PhoneNumberPhrase(81)), "最极之数，能得成功　吉");
  EXPECT_THROW(PhoneNumberPhrase(0), std::out_of_range);
}

}  // namespace
}  // namespace velmora
