#pragma once
// What a birthday page says of a month and day before any prose: the star
// sign with the program's own boundaries, its 10-day decan and the decan's
// ruling planet, and the birthday number.
//
// Decans are counted in days from the sign's first day in a leap year's
// calendar: days 1–10 the first decan, 11–20 the second, the rest the third.
// A decan is ruled by the ruler of the sign of its own element that lies 0,
// 4 or 8 signs on (the triplicity order: 白羊座 火星, 太阳, 木星), with the
// modern rulers (天蝎座 冥王星, 水瓶座 天王星, 双鱼座 海王星).

#include <optional>
#include <string>
#include <vector>

namespace velmora::services {

struct MonthDay {
  int month;
  int day;
  auto operator<=>(const MonthDay&) const = default;
};

// "3-7" → 3-7; nothing for any text that is not a day of a leap year written
// without leading zeros (2-30, 13-1, 0-5, 03-07, 3-7x).
std::optional<MonthDay> ParseBirthdayKey(const std::string& key);

struct BirthdayFacts {
  MonthDay date;
  int sign;   // 0 (白羊座) .. 11 (双鱼座)
  int decan;  // 1..3
  MonthDay decanFirst;
  MonthDay decanLast;
  std::string ruler;                     // GBK, such as 火星
  int number;                            // the digits of month and day summed, and the sum's digits again, to one digit
  std::vector<std::string> numberSteps;  // the sums in ASCII: "1+2+2+5=10", "1+0=1"
};

// The facts of a day of a leap year's calendar.
BirthdayFacts FactsOfBirthday(MonthDay date);

}  // namespace velmora::services
