#pragma once
// The reading texts of the reference database, loaded from their reviewed
// sources and checked: every key present once, every text representable in
// GBK, and the byte layouts the readings cut by position.

#include <string>
#include <vector>

#include "tools/refdb/stroke_pairs.h"

namespace velmora::tools {

struct ReferenceTable {
  std::string name;                           // table name, UTF-8
  std::vector<std::string> columns;           // UTF-8
  std::vector<std::vector<std::string>> rows; // UTF-8, line breaks as CR LF
};

// Throws std::runtime_error describing the first fault found.
std::vector<ReferenceTable> LoadReferenceTables(const std::string& sourceFolder);

// The verdict classes of the 81 numbers and of the 125 three-talent triples.
NumerologyVerdicts ReadNumerologyVerdicts(const std::vector<ReferenceTable>& tables);

}  // namespace velmora::tools
