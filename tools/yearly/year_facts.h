#pragma once
// Calendar facts the yearly texts quote, all from the calendar engine.

#include <string>
#include <vector>

#include "calendar/civil_date.h"

namespace velmora::tools {

struct LunarMonthFacts {
  int month = 0;  // 1..12
  bool leap = false;
  CivilDate first, last;    // civil dates of the month's first and last day
  std::string stemBranch;   // UTF-8, such as 壬寅 (a leap month keeps its month's)
};

// Every month of a lunar year in order, its leap month included.
std::vector<LunarMonthFacts> LunarMonthsOfYear(int lunarYear);

// The stem and branch of a day (UTF-8), such as 甲子.
std::string DayStemBranch(const CivilDate& date);

struct BirthYearAge {
  int year;
  int age;  // 虚岁 in the content year
};
// The birth years of an animal (0 = 鼠) aged 1..97 in the given year, oldest first.
std::vector<BirthYearAge> BirthYearsOfAnimal(int animal, int year);

struct ClashDay {
  CivilDate date;
  std::string stemBranch;
};
// The first day of the month whose branch clashes with the animal's.
ClashDay FirstClashDay(const LunarMonthFacts& month, int animal);

}  // namespace velmora::tools
