#pragma once
// The name picker: favourable stroke pairs for the surname's stroke count, and
// the characters of a stroke count laid out in a 24 by 17 grid.

#include <optional>
#include <string>
#include <vector>

#include "readings/value_labels.h"
#include "refdb/reference_db.h"

namespace velmora {

inline constexpr int kGridColumns = 24;
inline constexpr int kGridRows = 17;

// The stroke-pair codes of a 起名笔划 text: four bytes every five bytes.
std::vector<std::string> StrokePairCodes(const std::string& text);

// The list for the name's first character, or nothing when that character has
// no stroke count (then nothing changes). Writes the surname's count to Label38.
std::optional<std::vector<std::string>> StrokePairListFor(ReferenceDb& db, const std::string& name,
                                                          ValueLabels& labels);

// The characters of a stroke count, row by row; cells past the text are empty.
std::vector<std::string> CharacterGridCells(ReferenceDb& db, int strokeCount);

// The surname (first character, or the first two for 复姓) and the two picks.
std::string ComposePickedName(const std::string& name, const std::string& surnameKind, const std::string& first,
                              const std::string& second);

}  // namespace velmora
