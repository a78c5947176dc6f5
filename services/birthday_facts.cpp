#include "services/birthday_facts.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "calendar/civil_date.h"
#include "calendar/cycle_math.h"
#include "calendar/star_sign.h"
#include "online/horoscope_readings.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kLeapYear = 2000;
constexpr int kDaysInLeapYear = 366;
constexpr int kDaysPerDecan = 10;
constexpr int kDecans = 3;
constexpr int kSignsPerElement = 4;

// Days of a leap year counted 0 (1-1) .. 365 (12-31), round the year's end.
int DayIndex(MonthDay date) {
  int index = date.day - 1;
  for (int month = 1; month < date.month; ++month) index += MonthLength(kLeapYear, month);
  return index;
}

MonthDay DayAt(int index) {
  index = FloorMod(index, kDaysInLeapYear);
  int month = 1;
  while (index >= MonthLength(kLeapYear, month)) index -= MonthLength(kLeapYear, month++);
  return {month, index + 1};
}

int SignOf(MonthDay date) {
  const std::string name = StarSignOfDate(date.month, date.day);
  const auto& names = ConstellationNames();
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end())
    throw std::logic_error("no star sign for " + std::to_string(date.month) + "-" + std::to_string(date.day));
  return static_cast<int>(found - names.begin());
}

const std::string& RulerOfSign(int sign) {
  static const std::array<std::string, kConstellationCount> rulers = {
      "火星"_gbk, "金星"_gbk,   "水星"_gbk, "月亮"_gbk, "太阳"_gbk,   "水星"_gbk,
      "金星"_gbk, "冥王星"_gbk, "木星"_gbk, "土星"_gbk, "天王星"_gbk, "海王星"_gbk,
  };
  return rulers[static_cast<std::size_t>(sign)];
}

std::string DigitsJoined(const std::string& digits) {
  std::string joined;
  for (const char digit : digits) {
    if (!joined.empty()) joined += '+';
    joined += digit;
  }
  return joined;
}

int DigitSum(const std::string& digits) {
  int sum = 0;
  for (const char digit : digits) sum += digit - '0';
  return sum;
}

}  // namespace

std::optional<MonthDay> ParseBirthdayKey(const std::string& key) {
  const std::size_t dash = key.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const auto number = [](const std::string& text) -> std::optional<int> {
    if (text.empty() || text.size() > 2 || text[0] == '0') return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    return std::stoi(text);
  };
  const std::optional<int> month = number(key.substr(0, dash));
  const std::optional<int> day = number(key.substr(dash + 1));
  if (!month || !day || *month > 12 || *day > MonthLength(kLeapYear, *month)) return std::nullopt;
  return MonthDay{*month, *day};
}

BirthdayFacts FactsOfBirthday(MonthDay date) {
  BirthdayFacts facts{date, SignOf(date), 0, {}, {}, {}, 0, {}};
  const int index = DayIndex(date);
  int first = index;
  while (SignOf(DayAt(first - 1)) == facts.sign) --first;
  int last = index;
  while (SignOf(DayAt(last + 1)) == facts.sign) ++last;
  const int offset = FloorMod(index - first, kDaysInLeapYear);
  facts.decan = std::min(offset / kDaysPerDecan, kDecans - 1) + 1;
  facts.decanFirst = DayAt(first + (facts.decan - 1) * kDaysPerDecan);
  facts.decanLast = facts.decan < kDecans ? DayAt(first + facts.decan * kDaysPerDecan - 1) : DayAt(last);
  facts.ruler = RulerOfSign((facts.sign + (facts.decan - 1) * kSignsPerElement) % kConstellationCount);
  std::string digits = std::to_string(date.month) + std::to_string(date.day);
  while (digits.size() > 1) {
    const std::string sum = std::to_string(DigitSum(digits));
    facts.numberSteps.push_back(DigitsJoined(digits) + "=" + sum);
    digits = sum;
  }
  facts.number = digits[0] - '0';
  return facts;
}

}  // namespace velmora::services
