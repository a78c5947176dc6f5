#include "calendar/day_facts.h"

#include "calendar/era_table.h"
#include "calendar/festivals.h"
#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"
#include "calendar/solar_terms.h"

namespace velmora {

bool FillDayFacts(TChnCal& record, const DateTime& dateTime) {
  record.date = dateTime;
  const CivilDate& civil = dateTime.date;
  const std::optional<LunarDate> lunar = SolarToLunar(civil);
  if (!lunar) return false;
  record.lunarYear = lunar->year;
  record.lunarMonth = lunar->month;
  record.monthText = LunarMonthText(lunar->month, lunar->leap);
  record.dayText = LunarDayText(lunar->day);
  record.eraText = EraTextOfYear(civil.year);
  record.solarTerm = SolarTermOfDate(civil.year, civil.month, civil.day);
  record.solarFestival = SolarFestivalOfDate(civil.year, civil.month, civil.day);
  record.lunarFestival = LunarFestivalOf(lunar->month, lunar->day, civil);
  return true;
}

}  // namespace velmora
