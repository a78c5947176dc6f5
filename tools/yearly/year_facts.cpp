#include "tools/yearly/year_facts.h"

#include <stdexcept>

#include "calendar/cycle_math.h"
#include "calendar/day_number.h"
#include "calendar/leap_months.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora::tools {
namespace {

std::string StemBranch(int stem, int branch) {
  return GbkToUtf8(HeavenlyStem(FloorMod(stem, 10)) + EarthlyBranch(FloorMod(branch, 12)));
}

// 1949-10-01 was a 甲子 day; days run through the cycle without a break.
int DayCycleIndex(const CivilDate& date) { return FloorMod(DayNumberOf(date) - DayNumberOf(1949, 10, 1), 60); }

CivilDate FirstDay(int year, int month, bool leap) {
  const std::optional<CivilDate> date = LunarToSolar(year, month, 1, leap);
  if (!date) throw std::runtime_error("the calendar has no first day of lunar month " + std::to_string(month));
  return *date;
}

}  // namespace

std::vector<LunarMonthFacts> LunarMonthsOfYear(int lunarYear) {
  const int yearStem = FloorMod(lunarYear - 4, 10);
  const int firstMonthStem = (yearStem % 5) * 2 + 2;  // 五虎遁: 甲己之年丙作首
  std::vector<LunarMonthFacts> months;
  for (int month = 1; month <= 12; ++month) {
    for (bool leap : {false, true}) {
      if (leap && LeapMonthOf(lunarYear) != month) continue;
      LunarMonthFacts facts;
      facts.month = month;
      facts.leap = leap;
      facts.first = FirstDay(lunarYear, month, leap);
      facts.stemBranch = StemBranch(firstMonthStem + month - 1, month + 1);
      months.push_back(facts);
    }
  }
  const CivilDate nextYear = FirstDay(lunarYear + 1, 1, false);
  for (std::size_t i = 0; i < months.size(); ++i) {
    const CivilDate next = i + 1 < months.size() ? months[i + 1].first : nextYear;
    months[i].last = *DateOfDayNumber(DayNumberOf(next) - 1);
  }
  return months;
}

std::string DayStemBranch(const CivilDate& date) {
  const int index = DayCycleIndex(date);
  return StemBranch(index % 10, index % 12);
}

std::vector<BirthYearAge> BirthYearsOfAnimal(int animal, int year) {
  std::vector<BirthYearAge> years;
  for (int birth = year - 96; birth <= year; ++birth) {
    if (FloorMod(birth - 4, 12) == animal) years.push_back({birth, year - birth + 1});
  }
  return years;
}

ClashDay FirstClashDay(const LunarMonthFacts& month, int animal) {
  const int clash = (animal + 6) % 12;
  for (DayNumber n = DayNumberOf(month.first); n <= DayNumberOf(month.last); ++n) {
    const CivilDate date = *DateOfDayNumber(n);
    if (DayCycleIndex(date) % 12 == clash) return {date, DayStemBranch(date)};
  }
  throw std::runtime_error("a lunar month without a clash day");
}

}  // namespace velmora::tools
