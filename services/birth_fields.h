#pragma once
// The birth a chart request asks about, read from its fields: the civil date
// and hour as the clock showed them, optionally the minute and the place (a
// name from the place table, with its province when namesakes exist) or a
// raw longitude, and the sex. Dates outside the engine's years or that never
// existed, unknown or ambiguous places and longitudes out of range are bad
// requests naming their field.

#include <string>

#include <ctime>

#include "readings/bazi_chart.h"
#include "readings/birth_input.h"
#include "services/query.h"

namespace velmora::services {

// The names of a route's birth fields; an empty name is a field the route does not take.
struct BirthFieldNames {
  std::string year, month, day, hour;
  std::string minute, place, province, longitude;
};

// The birth of those fields (sex male: the caller reads it); the place table
// is the one of the program folder. Throws BadRequest naming the field.
BirthInput ReadBirth(const Query& query, const BirthFieldNames& names, const std::string& programFolder);

// The optional minute, place and longitude fields into a birth whose date
// and hour are read; throws BadRequest naming the field.
void ReadMinuteAndPlace(const Query& query, const BirthFieldNames& names, const std::string& programFolder,
                        BirthInput& birth);

// The chart of a birth read from a request, with the current year of `now`;
// a birth the chart cannot reach (a correction before the calendar's first
// day) is a bad request.
BaziChart ChartOfBirth(const BirthInput& birth, std::time_t now);

// The sex as 四柱批命 sends it: "1" male, "0" female.
Sex ReadSexDigit(const Query& query, const std::string& field);
// The sex as 八字批命 sends it: "男" or "女" (GBK).
Sex ReadSexWord(const Query& query, const std::string& field);

}  // namespace velmora::services
