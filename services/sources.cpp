#include "services/sources.h"

#include <stdexcept>

#include "readings/decimal_text.h"
#include "refdb/connections.h"
#include "refdb/sqlcipher_database.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

// The stroke table keeps one row per count with all its characters in a run.
constexpr const char* kStrokeTable = "汉字笔划";

}  // namespace

Table::Table(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (!rows_[i].empty()) byKey_.emplace(rows_[i][0], i);
  }
}

const std::vector<std::string>* Table::Find(const std::string& key) const {
  const auto found = byKey_.find(key);
  return found == byKey_.end() ? nullptr : &rows_[found->second];
}

std::size_t Table::Column(const std::string& name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] == name) return i;
  }
  throw std::runtime_error("services.db: no column " + GbkToUtf8(name));
}

const std::string& Table::Text(const std::string& key, const std::string& column) const {
  const std::vector<std::string>* row = Find(key);
  if (!row) throw std::runtime_error("services.db: no row " + GbkToUtf8(key));
  return row->at(Column(column));
}

Sources::Sources(std::string programFolder) : folder_(std::move(programFolder)) {
  SqlCipherDatabase db(folder_ + ServicesDatabase().file, ServicesDatabase().password,
                       SqlCipherDatabase::Mode::OpenExisting);
  const SqlCipherDatabase::Result names = db.Query("SELECT name FROM sqlite_master WHERE type = 'table'");
  for (const SqlCipherDatabase::Row& nameRow : names.rows) {
    const std::string name = nameRow.at(0).value_or("");
    SqlCipherDatabase::Result result = db.Query("SELECT * FROM \"" + name + "\"");
    std::vector<std::string> columns;
    for (const std::string& column : result.columns) columns.push_back(Utf8ToGbk(column));
    std::vector<std::vector<std::string>> rows;
    rows.reserve(result.rows.size());
    for (const SqlCipherDatabase::Row& row : result.rows) {
      std::vector<std::string> texts;
      for (const auto& field : row) texts.push_back(Utf8ToGbk(field.value_or("")));
      rows.push_back(std::move(texts));
    }
    tables_.emplace(name, Table(std::move(columns), std::move(rows)));
  }
  for (const auto& row : TableNamed(kStrokeTable).Rows()) {
    const int count = ParseDecimal(row.at(0));
    for (std::size_t i = 0; i + 1 < row.at(1).size(); i += 2) strokes_.emplace(row[1].substr(i, 2), count);
  }
}

const Table& Sources::TableNamed(const std::string& name) const {
  const auto found = tables_.find(name);
  if (found == tables_.end()) throw std::runtime_error("services.db has no table " + name);
  return found->second;
}

std::optional<int> Sources::StrokeCount(const std::string& character) const {
  const auto found = strokes_.find(character);
  if (found == strokes_.end()) return std::nullopt;
  return found->second;
}

}  // namespace velmora::services
