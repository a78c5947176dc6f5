#include "tools/yearly/wedding_days.h"

#include "calendar/cycle_math.h"
#include "calendar/day_number.h"
#include "calendar/four_pillars.h"
#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"
#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "text/gbk.h"

namespace velmora::tools {
namespace {

const char* const kOfficers[12] = {"建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭"};
const char* const kSpirits[12] = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                  "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
const bool kYellowPath[12] = {true, true, false, false, true, true, false, true, false, false, true, false};
const char* const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
// 煞 direction by the day's branch: 申子辰 south, 寅午戌 north, 亥卯未 west, 巳酉丑 east.
const char* const kShaDirection[12] = {"南", "东", "北", "西", "南", "东", "北", "西", "南", "东", "北", "西"};

// The 节 month of the day, taken at noon.
int MonthBranch(const CivilDate& date) { return FourPillarsOf(date, 12).month.branch; }

int OfficerIndex(const CivilDate& date) { return FloorMod(DayPillarOf(date).branch - MonthBranch(date), 12); }

int SpiritIndex(const CivilDate& date) {
  const int start = FloorMod(MonthBranch(date) - 2, 6) * 2;  // 寅申 months: 青龙 on 子 days
  return FloorMod(DayPillarOf(date).branch - start, 12);
}

bool IsThreeMaidensDay(int lunarDay) {
  for (int day : {3, 7, 13, 18, 22, 27}) {
    if (lunarDay == day) return true;
  }
  return false;
}

}  // namespace

std::string DayOfficer(const CivilDate& date) { return kOfficers[OfficerIndex(date)]; }

std::string DaySpirit(const CivilDate& date) { return kSpirits[SpiritIndex(date)]; }

std::vector<WeddingDay> WeddingDaysOf(int year) {
  const int yearBreaker = (FloorMod(year - 4, 12) + 6) % 12;
  std::vector<WeddingDay> days;
  for (DayNumber n = DayNumberOf(year, 1, 1); n <= DayNumberOf(year, 12, 31); ++n) {
    const CivilDate date = *DateOfDayNumber(n);
    const int officer = OfficerIndex(date);
    const Pillar day = DayPillarOf(date);
    const LunarDate lunar = *SolarToLunar(date);
    const bool goodOfficer = officer == 4 || officer == 8 || officer == 10;
    if (!goodOfficer || !kYellowPath[SpiritIndex(date)] || day.branch == yearBreaker ||
        IsThreeMaidensDay(lunar.day)) {
      continue;
    }
    const int clashStem = (day.stem + 6) % 10, clashBranch = (day.branch + 6) % 12;
    WeddingDay wedding;
    wedding.date = date;
    wedding.lunarDate = GbkToUtf8(LunarMonthText(lunar.month, lunar.leap) + LunarDayText(lunar.day));
    wedding.weekday = kWeekdays[DayOfWeek(n)];
    wedding.starSign = GbkToUtf8(StarSignOfDate(date.month, date.day));
    wedding.clash = "冲" + GbkToUtf8(ZodiacAnimal(clashBranch)) + "(" +
                    GbkToUtf8(HeavenlyStem(clashStem) + EarthlyBranch(clashBranch)) + ") 煞" +
                    kShaDirection[day.branch];
    wedding.officer = kOfficers[officer];
    wedding.spirit = kSpirits[SpiritIndex(date)];
    days.push_back(wedding);
  }
  return days;
}

}  // namespace velmora::tools
