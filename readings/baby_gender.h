#pragma once
// The baby-gender prediction: the chart of the mother's nominal age (虚岁) and
// the month of conception, the months in which to conceive a wished sex, and
// two old counting rules. Everything comes from constant tables; texts are GBK.

#include <array>
#include <string>
#include <vector>

namespace velmora {

// The ages the chart and the month lists cover.
inline constexpr int kFirstChartAge = 18;
inline constexpr int kLastChartAge = 44;

// month×100+age: 118 for month 1 at 18. Every key outside the chart's girl
// cells, typed ages outside 18..44 included, means boy.
bool IsGirlKey(int chartKey);

struct ChartAnswer {
  bool girl;
  std::string label;  // "女孩！" or "男孩！"
};

// Joins the month text and the age text as typed (month first) into the
// chart key. Throws the conversion error of the joined text.
ChartAnswer QueryGenderChart(const std::string& monthText, const std::string& ageText);

// What the hidden holder of the months query holds before its first answer.
std::string InitialMonthsHolder();

// Joins the age text and the wished-sex position (0 男孩, 1 女孩, -1 for
// typed text) into age×10+position. An age of 18..44 puts its entry into the
// holder; any other keeps the holder as it was. Returns the holder's text,
// CR CR and the closing wish. Throws the conversion error of the joined text.
std::string QueryConceptionMonths(const std::string& ageText, int wishPosition, std::string& holder);

// The items of the old rules' drop-downs, whose zero-based positions the
// rules count with.
std::vector<std::string> BirthYearItems();   // 1961年 .. 1990年
std::vector<std::string> LunarMonthItems();  // 正月 .. 十二月
std::vector<std::string> LunarDayItems();    // 初一 .. 三十
std::vector<std::string> MotherAgeItems();   // 15岁 .. 45岁

// The trigram rule: positions of the father's year, month and day, the
// mother's year, month and day, and the month of conception (-1 for typed
// text). Their sum plus 108 decides: even "女", odd "男".
std::string TrigramSex(const std::array<int, 7>& positions);

// The folk rule 49 + month − age, from the positions of the lunar month and
// of the mother's age: even "女", odd "男".
std::string FolkRuleSex(int monthPosition, int agePosition);

}  // namespace velmora
