#pragma once
// 八字起名: how many characters of the birth chart belong to each element, the
// ranking from strongest to weakest, and name characters from the lists of the
// two weakest elements.

#include <string>

#include "platform/browser.h"
#include "readings/birth_profile.h"
#include "readings/value_labels.h"
#include "refdb/reference_db.h"
#include "report/report_page.h"

namespace velmora {

// Runs the reading with the element-count page; false when the page has no
// button (nothing is written then). Throws the database's or the conversion error.
bool FiveElementReading(Browser& elementCountPage, ReferenceDb& db, const BirthProfile& profile,
                        ValueLabels& labels, ReportPage& page);

// 160 bytes of a character list from the odd byte position `start`, wrapping
// to the list's beginning when it ends first; a start past the end reads from
// the beginning.
std::string CharacterRun(const std::string& list, int start);

// 林森木 becomes "林、 森、 木、".
std::string FormatCharacterGroup(const std::string& gbk);

// The ranking words for the five labels, weakest first, and the two smallest counts.
std::string RankingSentence(const std::string (&weakestFirst)[5], int weakestCount, int secondCount);

}  // namespace velmora
