#pragma once
// Auspicious wedding days by the almanac rules the wedding page documents:
//  - the day's officer of the 建除 cycle (counted from the 节 month's branch)
//    is 定, 成 or 开;
//  - the day is a 黄道 day of the twelve day spirits (青龙, 明堂, 金匮, 天德,
//    玉堂, 司命), whose cycle starts at 子 in 寅 and 申 months and two branches
//    later for each later month pair;
//  - it is not the year-breaker (岁破: the branch opposite the year's) and not
//    a 三娘煞 day (lunar days 3, 7, 13, 18, 22, 27).

#include <string>
#include <vector>

#include "calendar/civil_date.h"

namespace velmora::tools {

struct WeddingDay {
  CivilDate date;
  std::string lunarDate;  // UTF-8, such as 正月初六
  std::string weekday;    // 星期一 …
  std::string starSign;
  std::string clash;      // such as 冲鼠(庚子) 煞南
  std::string officer;    // 定, 成 or 开
  std::string spirit;     // the 黄道 spirit of the day
};

std::vector<WeddingDay> WeddingDaysOf(int year);

// The officer (建 … 闭) and the day spirit (青龙 … 勾陈) of a date.
std::string DayOfficer(const CivilDate& date);
std::string DaySpirit(const CivilDate& date);

}  // namespace velmora::tools
