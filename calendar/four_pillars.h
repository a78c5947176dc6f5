#pragma once
// The four pillars (year, month, day, hour) of a birth moment in UTC+8: the
// year turns at the moment of 立春, the month at the moment of each 节 (the
// Sun's true moments of calendar/term_moments.h, to the second), the day at
// 23:00 (the late 子 hour belongs to the next day), the hour every two hours.

#include <array>
#include <string>

#include "calendar/civil_date.h"

namespace velmora {

struct Pillar {
  int stem = 0;    // 0..9: 甲 … 癸
  int branch = 0;  // 0..11: 子 … 亥
  int CycleIndex() const;  // 0..59: 甲子 … 癸亥
  static Pillar OfCycleIndex(int index);  // any integer, counted round the cycle
  auto operator<=>(const Pillar&) const = default;
};

struct FourPillars {
  Pillar year, month, day, hour;
  auto operator<=>(const FourPillars&) const = default;
};

// The pillars of a moment of China standard time; the date must exist.
FourPillars FourPillarsAt(const DateTime& time);
// Birth at hour:00 (0..23) of an existing civil date as the clock showed it: a
// clock hour of China's daylight-saving summers is charted at standard time
// (calendar/china_daylight_saving.h).
FourPillars FourPillarsOf(const CivilDate& date, int hour);

enum class Element { Metal, Wood, Water, Fire, Earth };  // 金 木 水 火 土
Element StemElement(int stem);
Element BranchElement(int branch);
const std::string& ElementName(Element element);  // GBK 金 木 水 火 土

// The 纳音 of a pillar, such as 海中金 for 甲子 (GBK).
const std::string& NayinOf(const Pillar& pillar);

// The day pillar of a civil date: 1949-10-01 was a 甲子 day.
Pillar DayPillarOf(const CivilDate& date);
// The pillar of the year that the 立春 of a civil year opens: 4 AD was 甲子.
Pillar YearPillarOf(int year);

}  // namespace velmora
