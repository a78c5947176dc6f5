#include "calendar/festivals.h"

#include <array>

#include "calendar/day_number.h"
#include "calendar/lunar_conversion.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kSunday = 0;
constexpr int kThursday = 4;
constexpr int kAnyWeekday = -1;

// A fixed day, or (with a weekday) the week-th such weekday of the month.
struct CivilFestival {
  int month;
  int day;      // fixed day, or 0 for a weekday rule
  int weekday;  // kAnyWeekday for a fixed day
  int week;     // 1-based week of the month for a weekday rule
  const std::string& name;
};

}  // namespace

std::string SolarFestivalOfDate(int year, int month, int day) {
  static const std::array<CivilFestival, 18> festivals = {{
      {1, 1, kAnyWeekday, 0, "元旦节"_gbk},
      {2, 14, kAnyWeekday, 0, "情人节"_gbk},
      {3, 8, kAnyWeekday, 0, "妇女节"_gbk},
      {4, 1, kAnyWeekday, 0, "愚人节"_gbk},
      {5, 1, kAnyWeekday, 0, "劳动节"_gbk},
      {5, 4, kAnyWeekday, 0, "青年节"_gbk},
      {5, 0, kSunday, 2, "母亲节"_gbk},
      {6, 1, kAnyWeekday, 0, "儿童节"_gbk},
      {6, 0, kSunday, 3, "父亲节"_gbk},
      {7, 1, kAnyWeekday, 0, "建党节"_gbk},
      {8, 1, kAnyWeekday, 0, "建军节"_gbk},
      {9, 10, kAnyWeekday, 0, "教师节"_gbk},
      {10, 1, kAnyWeekday, 0, "国庆节"_gbk},
      {10, 6, kAnyWeekday, 0, "老人节"_gbk},
      {10, 31, kAnyWeekday, 0, "万圣节"_gbk},
      {11, 8, kAnyWeekday, 0, "记者日"_gbk},
      {11, 0, kThursday, 4, "感恩节"_gbk},
      {12, 25, kAnyWeekday, 0, "圣诞节"_gbk},
  }};
  std::string found;  // when two rules meet on one day the later one wins
  for (const CivilFestival& festival : festivals) {
    if (festival.month != month) continue;
    const bool matches = festival.weekday == kAnyWeekday
                             ? festival.day == day
                             : DayOfWeek(DayNumberOf(year, month, day)) == festival.weekday &&
                                   (day - 1) / 7 + 1 == festival.week;
    if (matches) found = festival.name;
  }
  return found;
}

std::string LunarFestivalOf(int lunarMonth, int lunarDay, const CivilDate& date) {
  struct LunarFestival {
    int month;
    int day;
    const std::string& name;
  };
  static const std::array<LunarFestival, 7> festivals = {{
      {1, 1, "春节"_gbk},
      {1, 15, "元宵节"_gbk},
      {5, 5, "端午节"_gbk},
      {7, 7, "七夕节"_gbk},
      {8, 15, "中秋节"_gbk},
      {9, 9, "重阳节"_gbk},
      {12, 8, "腊八节"_gbk},
  }};
  for (const LunarFestival& festival : festivals) {
    if (festival.month == lunarMonth && festival.day == lunarDay) return festival.name;
  }
  // 除夕 is the last day of the twelfth month: the next civil day is 正月初一.
  // Days that carry a festival of their own in some month are never asked.
  const bool festivalDay = lunarDay == 1 || lunarDay == 5 || lunarDay == 7 || lunarDay == 8 || lunarDay == 9 ||
                           lunarDay == 15;
  if (lunarMonth == 12 && !festivalDay) {
    const std::optional<CivilDate> next = DateOfDayNumber(DayNumberOf(date) + 1);
    if (next) {
      const std::optional<LunarDate> lunar = SolarToLunar(*next);
      if (lunar && lunar->month == 1 && lunar->day == 1) return "除夕"_gbk;
    }
  }
  return {};
}

}  // namespace velmora
