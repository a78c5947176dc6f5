#pragma once
// The bone-weight reading: each pillar of the birth (year, lunar month, lunar
// day, two-hour period) weighs a fixed number of 钱; the total picks a verse,
// and five short sketches and a summary describe the birth.

#include "readings/birth_profile.h"
#include "readings/value_labels.h"
#include "refdb/reference_db.h"
#include "report/report_page.h"

namespace velmora {

// First stage: weighs the birth, writes the period, year name, animal, lunar
// month and day texts and the four weights into the value labels, and returns
// the total (also in lbl7). A leap month weighs as the regular month.
int WeighBirth(const BirthProfile& profile, ValueLabels& labels);

// Both stages: weighs, reads the verse and the sketches, and writes the page
// (title "八字算命", small-font separator, no trailer, no closing line).
void BoneWeightReading(ReferenceDb& db, const BirthProfile& profile, ValueLabels& labels, ReportPage& page);

}  // namespace velmora
