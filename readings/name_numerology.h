#pragma once
// The name reading: stroke counts of the name's characters, the five grids,
// the three talents and the meaning of the total number, as report lines.

#include <string>
#include <vector>

#include "readings/birth_profile.h"
#include "readings/value_labels.h"
#include "refdb/reference_db.h"
#include "report/report_page.h"

namespace velmora {

// 木 for a last digit 1 or 2, 火 3/4, 土 5/6, 金 7/8, 水 9/0 (GBK).
std::string ElementOfDigit(char lastDigit);

// Looks up the strokes, writes the characters, counts, grids and three talents
// into the value labels (a grid whose counts are missing keeps its old text),
// reads the verdicts and returns the reading's text lines. Throws the
// database's error or, for a count that is no number, the conversion error.
std::vector<std::string> NameReading(ReferenceDb& db, const BirthProfile& profile, ValueLabels& labels);

// The page: title "姓名测算", one paragraph per line, trailer, closing line.
void BuildNamePage(ReportPage& page, const std::vector<std::string>& readingText);

}  // namespace velmora
