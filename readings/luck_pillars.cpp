#include "readings/luck_pillars.h"

#include <algorithm>

#include "calendar/day_number.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr Moment kSecondsPerAgeDay = kSecondsPerDay / 120;  // 3 days of interval = 360 days of age
constexpr int kAgeDaysPerMonth = 30;
constexpr int kAgeMonthsPerYear = 12;

CivilDate DateAtAge(const CivilDate& birth, const AgeSpan& age) {
  const int months = birth.month - 1 + age.months;
  const int year = birth.year + age.years + months / kAgeMonthsPerYear;
  const int month = months % kAgeMonthsPerYear + 1;
  const int day = std::min(birth.day, MonthLength(year, month));
  return *DateOfDayNumber(DayNumberOf(year, month, day) + age.days);
}

}  // namespace

AgeSpan StartAgeOf(Moment interval) {
  const auto days = static_cast<int>(interval / kSecondsPerAgeDay);
  const int daysPerYear = kAgeDaysPerMonth * kAgeMonthsPerYear;
  return {days / daysPerYear, days % daysPerYear / kAgeDaysPerMonth, days % kAgeDaysPerMonth};
}

LuckCycle LuckCycleOf(const DateTime& birth, const FourPillars& pillars, Sex sex) {
  LuckCycle luck;
  const bool yangYear = pillars.year.stem % 2 == 0;
  luck.forward = yangYear == (sex == Sex::Male);
  const Moment moment = MomentOf(birth);
  luck.jie = luck.forward ? JieAfter(moment) : JieAtOrBefore(moment);
  luck.interval = luck.forward ? luck.jie.moment - moment : moment - luck.jie.moment;
  luck.startAge = StartAgeOf(luck.interval);
  luck.startDate = DateAtAge(birth.date, luck.startAge);
  const int step = luck.forward ? 1 : -1;
  for (int k = 0; k < 8; ++k) {
    LuckPillar& pillar = luck.pillars[static_cast<std::size_t>(k)];
    pillar.pillar = Pillar::OfCycleIndex(pillars.month.CycleIndex() + step * (k + 1));
    pillar.stemGod = TenGodOf(pillars.day.stem, pillar.pillar.stem);
    pillar.startYear = luck.startDate.year + 10 * k;
    pillar.startAge = luck.startAge.years + 10 * k;
  }
  return luck;
}

const std::string& LuckDirectionName(bool forward) {
  static const std::string names[2] = {"逆行"_gbk, "顺行"_gbk};
  return names[forward ? 1 : 0];
}

const std::string& AgeReckoningName() { return "周岁"_gbk; }

}  // namespace velmora
