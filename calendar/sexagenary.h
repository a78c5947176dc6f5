#pragma once
// Sexagenary (stem-branch) year names and zodiac animals.

#include <string>

#include "calendar/civil_date.h"

namespace velmora {

const std::string& HeavenlyStem(int index);    // 0..9: 甲 … 癸
const std::string& EarthlyBranch(int index);   // 0..11: 子 … 亥
const std::string& ZodiacAnimal(int index);    // 0..11: 鼠 … 猪, paired with the branches

// Stem, branch and animal of a year, such as 甲子鼠 for 1984.
std::string YearCycleText(int year);

struct YearCycle {
  std::string yearName;  // such as 庚午年
  std::string animal;    // such as 马
};

// The cycle year a birth belongs to: a birth before the Spring Festival of its
// civil year belongs to the previous year; on the festival day itself, at any
// hour, to the new one. Outside the festival table's years the lunar new year
// of the full conversion decides.
YearCycle BirthYearCycle(const DateTime& birth);

}  // namespace velmora
