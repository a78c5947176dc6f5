#include "calendar/month_view.h"

#include "calendar/day_number.h"
#include "calendar/lunar_text.h"
#include "text/gbk.h"

namespace velmora {

std::string DayCellLunarLine(const TChnCal& facts) {
  std::string line = facts.dayText == "初一"_gbk ? facts.monthText : facts.dayText;
  for (const std::string* over : {&facts.solarFestival, &facts.solarTerm, &facts.lunarFestival}) {
    if (!over->empty()) line = *over;
  }
  return line;
}

std::string CalendarTitleLine(const CivilDate& date, const TChnCal& facts, const std::string& cnDate) {
  const std::string lead = date.year < 1949 ? facts.eraText : FormatDate(date);
  return lead + " 农历"_gbk + cnDate;
}

std::vector<DayCell> MonthDayCells(int year, int month) {
  std::vector<DayCell> cells;
  TChnCal facts;
  for (int day = 1; day <= MonthLength(year, month); ++day) {
    DayCell cell{day, {}};
    if (FillDayFacts(facts, DateTime{{year, month, day}})) cell.lunarLine = DayCellLunarLine(facts);
    cells.push_back(std::move(cell));
  }
  return cells;
}

int FirstWeekdayOfMonth(int year, int month) { return DayOfWeek(DayNumberOf(year, month, 1)); }

namespace {

CivilDate Existing(CivilDate date) {
  while (date.day > 1 && !IsExistingDate(date)) --date.day;
  // The ten dropped days of 1582 fall back to the last day before them.
  return date;
}

}  // namespace

CivilDate WithYear(const CivilDate& date, int year) { return Existing({year, date.month, date.day}); }

CivilDate WithMonth(const CivilDate& date, int month) { return Existing({date.year, month, date.day}); }

CivilDate StepMonths(const CivilDate& date, int months) {
  const int index = date.year * 12 + (date.month - 1) + months;
  const int year = index >= 0 ? index / 12 : (index - 11) / 12;
  return Existing({year, index - year * 12 + 1, date.day});
}

}  // namespace velmora
