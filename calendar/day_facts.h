#pragma once
// The calendar facts of one day, as the month calendar and the picker show them.

#include <string>

#include "calendar/civil_date.h"

namespace velmora {

struct TChnCal {
  int lunarYear = 0;
  int lunarMonth = 0;  // 1..12, also for a leap month
  DateTime date;
  std::string solarTerm;
  std::string solarFestival;
  std::string monthText;
  std::string lunarFestival;
  std::string dayText;
  std::string eraText;
};

// Stores the date and, when the conversion succeeds, every fact of that day;
// on failure (a year outside 1..2100, a day that does not exist) the other
// fields keep their previous values. Returns whether the facts were filled.
bool FillDayFacts(TChnCal& record, const DateTime& dateTime);

}  // namespace velmora
