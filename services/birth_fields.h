#pragma once
// The birth a chart request asks about, read from its fields: the civil date
// and hour as the clock showed them, and the sex. Dates outside the engine's
// years or that never existed are bad requests.

#include <string>

#include "calendar/civil_date.h"
#include "readings/luck_pillars.h"
#include "services/query.h"

namespace velmora::services {

struct BirthFields {
  CivilDate date;
  int hour = 0;
  Sex sex = Sex::Male;
};

// Year, month, day and hour fields of those names; throws BadRequest naming
// the field, or the date when it does not exist.
BirthFields ReadBirth(const Query& query, const std::string& yearField, const std::string& monthField,
                      const std::string& dayField, const std::string& hourField);

// The sex as 四柱批命 sends it: "1" male, "0" female.
Sex ReadSexDigit(const Query& query, const std::string& field);
// The sex as 八字批命 sends it: "男" or "女" (GBK).
Sex ReadSexWord(const Query& query, const std::string& field);

}  // namespace velmora::services
