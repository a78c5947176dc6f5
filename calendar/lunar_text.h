#pragma once
// GBK texts of lunar months and days: 正月, 闰四, 初五, 廿一 (two characters
// each), and the month in full as a date names it, 闰四月.

#include <string>

namespace velmora {

// 正 二 三 … 十 冬 腊 for months 1..12.
const std::string& LunarMonthName(int month);
// "四月" for a regular month, "闰四" for the leap month after the fourth.
std::string LunarMonthText(int month, bool leap);
// The month as a written date names it: "四月", and "闰四月" for the leap
// month after the fourth (three characters, where the text above has two).
std::string FullLunarMonthText(int month, bool leap);
// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十; empty for any other number.
std::string LunarDayText(int day);

}  // namespace velmora
