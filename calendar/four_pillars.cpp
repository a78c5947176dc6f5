#include "calendar/four_pillars.h"

#include "calendar/china_daylight_saving.h"
#include "calendar/cycle_math.h"
#include "calendar/day_number.h"
#include "calendar/term_moments.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kSpringStart = 3;  // 立春

}  // namespace

int Pillar::CycleIndex() const {
  // the index i with i mod 10 = stem and i mod 12 = branch
  for (int i = stem; i < 60; i += 10) {
    if (i % 12 == branch) return i;
  }
  return 0;
}

Pillar Pillar::OfCycleIndex(int index) { return {FloorMod(index, 10), FloorMod(index, 12)}; }

Pillar DayPillarOf(const CivilDate& date) {
  return Pillar::OfCycleIndex(DayNumberOf(date) - DayNumberOf(1949, 10, 1));
}

Pillar YearPillarOf(int year) { return Pillar::OfCycleIndex(year - 4); }

FourPillars FourPillarsAt(const DateTime& time) {
  const CivilDate& date = time.date;
  const Moment moment = MomentOf(time);
  FourPillars pillars;
  const int year = date.year - (moment < TermMoment(date.year, kSpringStart) ? 1 : 0);
  pillars.year = YearPillarOf(year);

  // The last 节 at or before the moment opens the month: 小寒 (n = 1) the 丑
  // month, 立春 the 寅 month, … 大雪 (n = 23) the 子 month.
  const int monthBranch = (1 + (JieAtOrBefore(moment).n - 1) / 2) % 12;
  const int firstMonthStem = (pillars.year.stem % 5) * 2 + 2;  // 五虎遁: the stem of the 寅 month
  pillars.month = {FloorMod(firstMonthStem + FloorMod(monthBranch - 2, 12), 10), monthBranch};

  // From 23:00 the day is the next one.
  const CivilDate dayDate = time.hour >= 23 ? *DateOfDayNumber(DayNumberOf(date) + 1) : date;
  pillars.day = DayPillarOf(dayDate);
  const int hourBranch = (time.hour + 1) / 2 % 12;
  const int firstHourStem = (pillars.day.stem % 5) * 2;  // 五鼠遁: the stem of the 子 hour
  pillars.hour = {(firstHourStem + hourBranch) % 10, hourBranch};
  return pillars;
}

FourPillars FourPillarsOf(const CivilDate& date, int hour) {
  return FourPillarsAt(ChinaStandardTimeOf(date, hour).time);
}

Element StemElement(int stem) {
  static constexpr Element kByStem[10] = {Element::Wood,  Element::Wood,  Element::Fire,  Element::Fire,
                                          Element::Earth, Element::Earth, Element::Metal, Element::Metal,
                                          Element::Water, Element::Water};
  return kByStem[stem];
}

Element BranchElement(int branch) {
  static constexpr Element kByBranch[12] = {Element::Water, Element::Earth, Element::Wood,  Element::Wood,
                                            Element::Earth, Element::Fire,  Element::Fire,  Element::Earth,
                                            Element::Metal, Element::Metal, Element::Earth, Element::Water};
  return kByBranch[branch];
}

const std::string& ElementName(Element element) {
  static const std::array<std::string, 5> names = {"金"_gbk, "木"_gbk, "水"_gbk, "火"_gbk, "土"_gbk};
  return names[static_cast<std::size_t>(element)];
}

const std::string& NayinOf(const Pillar& pillar) {
  static const std::array<std::string, 30> names = {
      "海中金"_gbk, "炉中火"_gbk, "大林木"_gbk, "路旁土"_gbk, "剑锋金"_gbk, "山头火"_gbk, "涧下水"_gbk, "城头土"_gbk,
      "白蜡金"_gbk, "杨柳木"_gbk, "泉中水"_gbk, "屋上土"_gbk, "霹雳火"_gbk, "松柏木"_gbk, "长流水"_gbk, "沙中金"_gbk,
      "山下火"_gbk, "平地木"_gbk, "壁上土"_gbk, "金箔金"_gbk, "覆灯火"_gbk, "天河水"_gbk, "大驿土"_gbk, "钗钏金"_gbk,
      "桑柘木"_gbk, "大溪水"_gbk, "沙中土"_gbk, "天上火"_gbk, "石榴木"_gbk, "大海水"_gbk};
  return names[static_cast<std::size_t>(pillar.CycleIndex() / 2)];
}

}  // namespace velmora
