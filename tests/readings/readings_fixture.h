#pragma once
// A reference database with chosen stroke counts and short, recognisable
// texts, so that the readings' rules can be checked case by case.

#include <map>
#include <string>

namespace velmora::testing {

class TestFolder;

// Stroke counts by UTF-8 character; a count may be any text, even one that is
// no number. Writes data/ssdb.db of the folder.
void CreateReadingsDatabase(const TestFolder& folder, const std::map<std::string, std::string>& strokes);

}  // namespace velmora::testing
