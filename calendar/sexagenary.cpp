#include "calendar/sexagenary.h"

#include <array>

#include "calendar/cycle_math.h"
#include "calendar/day_number.h"
#include "calendar/lunar_conversion.h"
#include "calendar/spring_festival.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {
namespace {

// True when the birth falls before the lunar new year of its civil year.
bool BeforeNewYear(const CivilDate& birth) {
  if (const std::optional<CivilDate> festival = SpringFestivalDate(birth.year)) return birth < *festival;
  const std::optional<DayNumber> newYear = LunarNewYearDay(birth.year);
  return newYear && DayNumberOf(birth) < *newYear;
}

}  // namespace

const std::string& HeavenlyStem(int index) {
  static const std::array<std::string, 10> stems = {"甲"_gbk, "乙"_gbk, "丙"_gbk, "丁"_gbk, "戊"_gbk,
                                                    "己"_gbk, "庚"_gbk, "辛"_gbk, "壬"_gbk, "癸"_gbk};
  return stems.at(static_cast<std::size_t>(index));
}

const std::string& EarthlyBranch(int index) {
  static const std::array<std::string, 12> branches = {"子"_gbk, "丑"_gbk, "寅"_gbk, "卯"_gbk,
                                                       "辰"_gbk, "巳"_gbk, "午"_gbk, "未"_gbk,
                                                       "申"_gbk, "酉"_gbk, "戌"_gbk, "亥"_gbk};
  return branches.at(static_cast<std::size_t>(index));
}

const std::string& ZodiacAnimal(int index) {
  static const std::array<std::string, 12> animals = {"鼠"_gbk, "牛"_gbk, "虎"_gbk, "兔"_gbk,
                                                      "龙"_gbk, "蛇"_gbk, "马"_gbk, "羊"_gbk,
                                                      "猴"_gbk, "鸡"_gbk, "狗"_gbk, "猪"_gbk};
  return animals.at(static_cast<std::size_t>(index));
}

std::string YearCycleText(int year) {
  const int i = FloorMod(year - 4, 60);
  return HeavenlyStem(i % 10) + EarthlyBranch(i % 12) + ZodiacAnimal(i % 12);
}

YearCycle BirthYearCycle(const DateTime& birth) {
  const int year = birth.date.year;
  const std::string cycle = YearCycleText(BeforeNewYear(birth.date) ? year - 1 : year);
  return {BytesAt(cycle, 1, 4) + "年"_gbk, CharacterAt(cycle, 3)};
}

}  // namespace velmora
