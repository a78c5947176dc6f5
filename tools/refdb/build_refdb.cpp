// Builds the encrypted reference databases of the installation from the
// reviewed sources in data/refdb and the Unicode Han database:
//   build_refdb UNIHAN_FOLDER SOURCE_FOLDER OUTPUT_FOLDER
// writes OUTPUT_FOLDER/ssdb.db and OUTPUT_FOLDER/ssdh.db.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "refdb/connections.h"
#include "refdb/sqlcipher_database.h"
#include "refdb/statement.h"
#include "text/gbk.h"
#include "tools/refdb/database_file.h"
#include "tools/refdb/gbk_ideographs.h"
#include "tools/refdb/name_strokes.h"
#include "tools/refdb/reference_sources.h"
#include "tools/refdb/stroke_pairs.h"
#include "tools/refdb/tsv.h"
#include "tools/refdb/unicode_text.h"
#include "tools/refdb/unihan.h"
#include "tools/tool_main.h"

namespace velmora::tools {
namespace {

constexpr std::size_t kStrokePairsPerSurname = 40;
// A stroke count is offered for given names only when the picker's grid can
// show enough good name characters of that count.
constexpr int kFewestNameCharacters = 8;

NameFormPolicy LoadNameFormPolicy(const std::string& path) {
  NameFormPolicy policy;
  for (const auto& row : ReadTsv(path).rows) {
    const std::vector<char32_t> simplified = DecodeUtf8(row.at(0)), traditional = DecodeUtf8(row.at(1));
    if (simplified.size() != 1 || traditional.size() != 1) throw std::runtime_error(path + ": not one character: " + row[0]);
    policy[simplified[0]] = traditional[0];
  }
  return policy;
}

std::vector<char32_t> LoadCharacterList(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<char32_t> characters;
  std::set<char32_t> seen;
  for (std::string line; std::getline(in, line);) {
    for (char32_t c : DecodeUtf8(line)) {
      if (c > 0x7F && seen.insert(c).second) characters.push_back(c);
    }
  }
  return characters;
}

struct StrokeTable {
  std::map<int, std::vector<char32_t>> byCount;
  std::map<int, int> nameCharacters;  // given-name characters per count
  // Every ideograph's form in names: the table the name-test window converts
  // through drops a character that has no row.
  std::map<char32_t, char32_t> traditional;
};

StrokeTable BuildStrokeTable(const NameStrokes& strokes, const std::vector<char32_t>& preferred) {
  std::vector<char32_t> ordered = preferred;
  const std::set<char32_t> preferredSet(preferred.begin(), preferred.end());
  const std::vector<char32_t> ideographs = GbkIdeographs();
  const std::set<char32_t> inGbk(ideographs.begin(), ideographs.end());
  for (char32_t c : preferred) {
    if (!inGbk.count(c)) throw std::runtime_error("given-name character outside GBK: " + EncodeUtf8(c));
  }
  for (char32_t c : ideographs) {
    if (!preferredSet.count(c)) ordered.push_back(c);
  }
  StrokeTable table;
  for (char32_t c : ordered) {
    const std::optional<int> count = strokes.StrokeCount(c);
    if (!count) throw std::runtime_error("no stroke count for " + EncodeUtf8(c));
    table.byCount[*count].push_back(c);
    if (preferredSet.count(c)) ++table.nameCharacters[*count];
    const char32_t form = strokes.TraditionalForm(c);
    table.traditional[c] = inGbk.count(form) ? form : c;
  }
  return table;
}

void Build(const std::string& unihanFolder, const std::string& sources, const std::string& output) {
  const Unihan unihan = Unihan::Load(unihanFolder);
  const NameStrokes strokes(unihan, LoadNameFormPolicy(sources + "/name_traditional_forms.tsv"));
  const StrokeTable strokeTable = BuildStrokeTable(strokes, LoadCharacterList(sources + "/given_name_characters.txt"));

  const std::vector<ReferenceTable> texts = LoadReferenceTables(sources);
  DatabaseFile reference(output + "/ssdb.db", ReferenceDatabase().password);
  for (const ReferenceTable& table : texts) reference.AddTable(table.name, table.columns, table.rows);

  std::vector<std::vector<std::string>> strokeRows;
  std::set<int> counts, givenNameCounts;
  for (const auto& [count, characters] : strokeTable.byCount) {
    std::string run;
    for (char32_t c : characters) run += EncodeUtf8(c);
    strokeRows.push_back({std::to_string(count), run});
    counts.insert(count);
    const auto names = strokeTable.nameCharacters.find(count);
    if (names != strokeTable.nameCharacters.end() && names->second >= kFewestNameCharacters) givenNameCounts.insert(count);
  }
  reference.AddTable("汉字笔划", {"数字", "汉字"}, strokeRows);

  const NumerologyVerdicts verdicts = ReadNumerologyVerdicts(texts);
  std::vector<std::vector<std::string>> pairRows;
  for (int surname : counts) {
    const auto pairs = FavourableStrokePairs(surname, verdicts, givenNameCounts, kStrokePairsPerSurname);
    if (!pairs.empty()) pairRows.push_back({std::to_string(surname), StrokePairCodes(pairs)});
  }
  reference.AddTable("起名笔划", {"姓氏", "内容"}, pairRows);
  reference.Finish();

  std::vector<std::vector<std::string>> pairs;
  for (const auto& [simplified, traditional] : strokeTable.traditional) {
    pairs.push_back({EncodeUtf8(simplified), EncodeUtf8(traditional)});
  }
  DatabaseFile forms(output + "/ssdh.db", TraditionalFormsDatabase().password);
  forms.AddTable("hz", {"name", "oldname"}, pairs);
  forms.Finish();

  std::cout << "reference database: " << strokeRows.size() << " stroke counts, " << pairRows.size()
            << " surname stroke-pair rows; traditional forms: " << pairs.size() << " pairs\n";
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_refdb", "UNIHAN_FOLDER SOURCE_FOLDER OUTPUT_FOLDER", [](const std::vector<std::string>& args) {
    velmora::tools::Build(args[0], args[1], args[2]);
  });
}
