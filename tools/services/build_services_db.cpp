// Builds the answering service's read-only database from the reference
// databases the build has just written and the reviewed sources of the online
// readings:
//   build_services_db DATA_FOLDER SOURCE_FOLDER UNIHAN_FOLDER
// copies every table of DATA_FOLDER/ssdb.db and DATA_FOLDER/ssdh.db, adds
// one table per SOURCE_FOLDER/*.tsv (named after the file), the table pinyin
// (汉字, 拼音: the first kMandarin reading of every GBK ideograph in
// Unihan_Readings.txt, tone-marked) and the table name_radicals (汉字, 部首:
// the Kangxi radical number of every character of the two naming lists),
// writing DATA_FOLDER/services.db. A text GBK cannot hold, a table name
// given twice, or a stop word whose reading has not one syllable for each of
// its characters stops the build.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "refdb/connections.h"
#include "refdb/sqlcipher_database.h"
#include "text/utf8.h"
#include "tools/refdb/database_file.h"
#include "tools/refdb/gbk_ideographs.h"
#include "tools/refdb/tsv.h"
#include "tools/refdb/unicode_text.h"
#include "tools/refdb/unihan.h"
#include "tools/tool_main.h"

namespace velmora::tools {
namespace {

struct NamedTable {
  std::string name;
  TsvTable table;
};

std::vector<NamedTable> CopiedTables(const DatabaseConnection& connection, const std::string& dataFolder) {
  SqlCipherDatabase db(dataFolder + "/" + std::filesystem::path(connection.file).filename().string(),
                       connection.password, SqlCipherDatabase::Mode::OpenExisting);
  std::vector<NamedTable> tables;
  for (const auto& row : db.Query("SELECT name FROM sqlite_master WHERE type = 'table'").rows) {
    const std::string name = row.at(0).value_or("");
    const SqlCipherDatabase::Result result = db.Query("SELECT * FROM \"" + name + "\"");
    NamedTable copy{name, {result.columns, {}}};
    for (const auto& each : result.rows) {
      std::vector<std::string> texts;
      for (const auto& field : each) texts.push_back(field.value_or(""));
      copy.table.rows.push_back(std::move(texts));
    }
    tables.push_back(std::move(copy));
  }
  return tables;
}

std::vector<NamedTable> SourceTables(const std::string& sourceFolder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(sourceFolder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".tsv") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<NamedTable> tables;
  for (const auto& file : files) {
    NamedTable table{file.stem().string(), ReadTsv(file.string())};
    for (std::size_t r = 0; r < table.table.rows.size(); ++r) {
      for (std::string& field : table.table.rows[r]) {
        field = ExpandLineBreaks(field);
        GbkOf(field, file.filename().string() + " row " + std::to_string(r + 2));
      }
    }
    tables.push_back(std::move(table));
  }
  return tables;
}

// Lines "U+5F20<TAB>kMandarin<TAB>zhāng ..." give the first reading.
NamedTable PinyinTable(const std::string& readingsFile) {
  std::ifstream in(readingsFile);
  if (!in) throw std::runtime_error("cannot read " + readingsFile);
  std::unordered_map<char32_t, std::string> readings;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string codePoint, field, reading;
    if (!(fields >> codePoint >> field >> reading) || field != "kMandarin") continue;
    if (const char32_t c = ParseCodePoint(codePoint)) readings.emplace(c, reading);
  }
  NamedTable table{"pinyin", {{"汉字", "拼音"}, {}}};
  for (const char32_t c : GbkIdeographs()) {
    const auto found = readings.find(c);
    if (found != readings.end()) table.table.rows.push_back({EncodeUtf8(c), found->second});
  }
  if (table.table.rows.empty()) throw std::runtime_error(readingsFile + ": no kMandarin readings");
  return table;
}

const TsvTable& SourceTable(const std::vector<NamedTable>& tables, const std::string& name) {
  for (const NamedTable& table : tables) {
    if (table.name == name) return table.table;
  }
  throw std::runtime_error("no source table " + name);
}

// The radicals the naming pages compare, so that a name does not repeat one.
NamedTable RadicalTable(const std::vector<NamedTable>& sources, const Unihan& unihan) {
  NamedTable table{"name_radicals", {{"汉字", "部首"}, {}}};
  std::set<std::string> seen;
  for (const char* list : {"personal_name_characters", "company_name_characters"}) {
    for (const auto& row : SourceTable(sources, list).rows) {
      const std::vector<char32_t> characters = DecodeUtf8(row.at(0));
      if (characters.size() != 1) throw std::runtime_error(std::string(list) + ": not one character: " + row.at(0));
      const auto radical = unihan.KangxiRadicalStroke(characters[0]);
      if (!radical) throw std::runtime_error(std::string(list) + ": no radical for " + row.at(0));
      if (seen.insert(row.at(0)).second) table.table.rows.push_back({row.at(0), std::to_string(radical->radical)});
    }
  }
  return table;
}

// Every reading of a stop word is "-" (the characters only) or one syllable per character.
void CheckStopWords(const std::vector<NamedTable>& sources) {
  const TsvTable& words = SourceTable(sources, "naming_stop_words");
  for (const auto& row : words.rows) {
    const std::string& reading = row.at(1);
    if (reading == "-") continue;
    std::istringstream syllables(reading);
    std::size_t count = 0;
    for (std::string syllable; syllables >> syllable;) ++count;
    if (count != DecodeUtf8(row.at(0)).size()) {
      throw std::runtime_error("naming_stop_words: \"" + reading + "\" is no reading of " + row.at(0));
    }
  }
}

void Build(const std::string& dataFolder, const std::string& sourceFolder, const std::string& unihanFolder) {
  std::vector<NamedTable> tables = CopiedTables(ReferenceDatabase(), dataFolder);
  for (auto& table : CopiedTables(TraditionalFormsDatabase(), dataFolder)) tables.push_back(std::move(table));
  std::vector<NamedTable> sources = SourceTables(sourceFolder);
  CheckStopWords(sources);
  tables.push_back(RadicalTable(sources, Unihan::Load(unihanFolder)));
  for (auto& table : sources) tables.push_back(std::move(table));
  tables.push_back(PinyinTable(unihanFolder + "/Unihan_Readings.txt"));
  std::set<std::string> names;
  DatabaseFile services(dataFolder + "/" + std::filesystem::path(ServicesDatabase().file).filename().string(),
                        ServicesDatabase().password);
  std::size_t rows = 0;
  for (const NamedTable& table : tables) {
    if (!names.insert(table.name).second) throw std::runtime_error("table " + table.name + " is given twice");
    services.AddTable(table.name, table.table.columns, table.table.rows);
    rows += table.table.rows.size();
  }
  services.Finish();
  std::cout << "services database: " << tables.size() << " tables, " << rows << " rows\n";
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_services_db", "DATA_FOLDER SOURCE_FOLDER UNIHAN_FOLDER",
                                 [](const std::vector<std::string>& args) {
                                   velmora::tools::Build(args[0], args[1], args[2]);
                                 });
}
