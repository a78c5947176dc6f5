#include "readings/phone_numerology.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "text/gbk.h"

namespace velmora {
namespace {

// Phrase, a full-width space and the verdict, numbered 1..81.
const std::array<std::string, 81>& Phrases() {
  static const std::array<std::string, 81> phrases = [] {
    const char* const utf8[81] = {
      "大展鸿图，可获成功　吉",  // 1
      "一盛一衰，劳而无功　凶",  // 2
      "蒸蒸日上，百事顺遂　吉",  // 3
      "坎坷前途，苦难折磨　凶",  // 4
      "生意欣荣，名利双收　吉",  // 5
      "天降幸运，可成大功　吉",  // 6
      "和气致祥，必获成功　吉",  // 7
      "贯彻志望，成功可期　吉",  // 8
      "独营无力，财利无望　凶",  // 9
      "空费心力，徒劳无功　凶",  // 10
      "稳健着实，必得人望　吉",  // 11
      "薄弱无力，谋事难成　凶",  // 12
      "天赋吉运，能得人望　吉",  // 13
      "是成是败，惟靠坚毅　凶",  // 14
      "大事成就，一定兴隆　吉",  // 15
      "成就大业，名利双收　吉",  // 16
      "有贵人助，可得成功　吉",  // 17
      "顺利昌隆，百事亨通　吉",  // 18
      "内外不合，障碍重重　凶",  // 19
      "历尽艰难，焦心忧劳　凶",  // 20
      "专心经营，善用智能　吉",  // 21
      "怀才不遇，事不如意　凶",  // 22
      "名显四方，终成大业　吉",  // 23
      "须靠自力，能奏大功　吉",  // 24
      "天时地利，再得人格　吉",  // 25
      "波澜起伏，凌驾万难　凶",  // 26
      "一盛一衰，可守成功　凶带吉",  // 27
      "高人相助，后期有成　半吉",  // 28
      "青云直上，才略奏功　吉",  // 29
      "吉凶参半，得失相伴　凶",  // 30
      "名利双收，大业成就　吉",  // 31
      "池中之龙，成功可望　吉",  // 32
      "智能慎始，必可昌隆　吉",  // 33
      "灾难不绝，难望成功　凶",  // 34
      "中吉之数，进退保守　吉",  // 35
      "波澜重叠，常陷穷困　凶",  // 36
      "逢凶化吉，风调雨顺　吉",  // 37
      "名虽可得，利则难获　凶带吉",  // 38
      "光明坦途，指日可待　吉",  // 39
      "一盛一衰，浮沉不定　吉带凶",  // 40
      "天赋吉运，前途无限　吉",  // 41
      "事业不专，十九不成　吉带凶",  // 42
      "忍耐自重，转凶为吉　吉带凶",  // 43
      "事难遂愿，贪功好进　凶",  // 44
      "绿叶发枝，一举成名　吉",  // 45
      "坎坷不平，艰难重重　凶",  // 46
      "有贵人助，可成大业　吉",  // 47
      "名利俱全，繁荣富贵　吉",  // 48
      "遇吉则吉，遇凶则凶　凶",  // 49
      "吉凶互见，一成一败　吉带凶",  // 50
      "一盛一衰，浮沉不常　吉带凶",  // 51
      "雨过天青，即获成功　吉",  // 52
      "盛衰参半，先吉后凶　吉带凶",  // 53
      "虽倾全力，难望成功　凶",  // 54
      "外观隆昌，内隐祸患　吉带凶",  // 55
      "事与愿违，终难成功　凶",  // 56
      "努力经营，时来运转　吉",  // 57
      "浮沉多端，始凶终吉　凶带吉",  // 58
      "遇事犹疑，难望成事　凶",  // 59
      "心迷意乱，难定方针　凶",  // 60
      "云遮半月，百隐风波　吉带凶",  // 61
      "烦闷懊恼，事事难展　凶",  // 62
      "万物化育，繁荣之象　吉",  // 63
      "十九不成，徒劳无功　凶",  // 64
      "吉运自来，能享盛名　吉",  // 65
      "内外不和，信用缺乏　凶",  // 66
      "事事如意，富贵自来　吉",  // 67
      "不失先机，可望成功　吉",  // 68
      "动摇不安，常陷逆境　凶",  // 69
      "惨淡经营，难免贫困　凶",  // 70
      "吉凶参半，惟赖勇气　吉带凶",  // 71
      "得而复失，难以安顺　凶",  // 72
      "安乐自来，自然吉祥　吉",  // 73
      "如无智谋，难望成功　凶",  // 74
      "吉中带凶，进不如守　吉带凶",  // 75
      "此数大凶，破产之象　凶",  // 76
      "先苦后甘，不致失败　吉带凶",  // 77
      "有得有失，华而不实　吉带凶",  // 78
      "前途无光，希望不大　凶",  // 79
      "得而复失，枉费心机　吉带凶",  // 80
      "最极之数，能得成功　吉",  // 81
    };
    std::array<std::string, 81> gbk;
    for (std::size_t i = 0; i < gbk.size(); ++i) gbk[i] = Utf8ToGbk(utf8[i]);
    return gbk;
  }();
  return phrases;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' '; }
bool IsSign(char c) { return c == '+' || c == '-'; }

// Optional blanks, an optional sign, digits with at most one decimal point,
// an optional exponent, optional blanks. One pass over the text, so a number
// of any length is read in linear time and constant stack.
bool IsDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  const auto skip = [&](bool (*accept)(char)) {
    const std::size_t from = i;
    while (i < text.size() && accept(text[i])) ++i;
    return i - from;
  };
  const auto take = [&](bool (*accept)(char)) {
    if (i >= text.size() || !accept(text[i])) return false;
    ++i;
    return true;
  };
  skip(IsBlank);
  take(IsSign);
  std::size_t digits = skip(IsDigit);
  if (take([](char c) { return c == '.'; })) digits += skip(IsDigit);
  if (digits == 0) return false;
  if (take([](char c) { return c == 'e' || c == 'E'; })) {
    take(IsSign);
    if (skip(IsDigit) == 0) return false;
  }
  skip(IsBlank);
  return i == text.size();
}

constexpr std::size_t kShortestNumber = 7;
constexpr int kRemainderZeroEntry = 80;

}  // namespace

const std::string& PhoneNumberPhrase(int number) { return Phrases().at(static_cast<std::size_t>(number - 1)); }

PhoneReading ReadPhoneNumber(const std::string& input) {
  if (!IsDecimalNumber(input)) return {PhoneReading::Outcome::NotANumber, {}};
  if (input.size() < kShortestNumber) return {PhoneReading::Outcome::TooShort, "手机号码输入错误，测算失败！"_gbk};
  const std::string tail = input.substr(input.size() - 4);
  // The tail is read as a number with its blanks around it ignored.
  const std::size_t first = tail.find_first_not_of(' ');
  const std::string digits = first == std::string::npos ? std::string() : tail.substr(first, tail.find_last_not_of(' ') - first + 1);
  char* end = nullptr;
  const double n = std::strtod(digits.c_str(), &end);
  if (digits.empty() || end != digits.c_str() + digits.size()) {
    throw std::runtime_error("'" + tail + "' is not a valid floating point value");
  }
  // The remainder by 80 as the digits after the decimal point of n / 80,
  // times 80; a tail with a fraction of its own leaves a remainder that is no
  // whole number.
  const double quotient = std::fabs(n / 80.0);
  const double remainder = (quotient - std::floor(quotient)) * 80.0;
  const double whole = std::round(remainder);
  if (std::fabs(remainder - whole) > 1e-6) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", remainder);
    throw std::runtime_error(std::string("'") + text + "' is not a valid integer value");
  }
  const int r = static_cast<int>(whole);
  const std::string& verdict = PhoneNumberPhrase(r == 0 ? kRemainderZeroEntry : r);
  return {PhoneReading::Outcome::Verdict, "手机号码："_gbk + input + "\r\r"_gbk + "吉凶预测："_gbk + verdict};
}

}  // namespace velmora
