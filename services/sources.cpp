#include "services/sources.h"

#include <atomic>
#include <map>
#include <mutex>
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

struct Sources::Store {
  // A table's entry exists from the start; its rows come with its first use.
  struct LazyTable {
    std::atomic<bool> read{false};
    Table table;
  };

  explicit Store(const std::string& folder)
      : db(folder + ServicesDatabase().file, ServicesDatabase().password, SqlCipherDatabase::Mode::OpenExisting) {
    for (const SqlCipherDatabase::Row& row : db.Query("SELECT name FROM sqlite_master WHERE type = 'table'").rows) {
      tables[row.at(0).value_or("")];
    }
  }

  Table Read(const std::string& name) {
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
    return Table(std::move(columns), std::move(rows));
  }

  SqlCipherDatabase db;
  std::mutex reading;  // the one connection reads for one thread at a time
  std::map<std::string, LazyTable> tables;
  std::atomic<bool> strokesRead{false};
  std::unordered_map<std::string, int> strokes;
  // Apart from `reading`: what is derived reads tables while it is built.
  std::mutex deriving;
  std::map<std::type_index, std::shared_ptr<const void>> derived;
};

Sources::Sources(std::string programFolder)
    : folder_(std::move(programFolder)), store_(std::make_shared<Store>(folder_)) {}

const Table& Sources::TableNamed(const std::string& name) const {
  const auto found = store_->tables.find(name);
  if (found == store_->tables.end()) throw std::runtime_error("services.db has no table " + name);
  Store::LazyTable& lazy = found->second;
  if (!lazy.read.load(std::memory_order_acquire)) {
    const std::lock_guard lock(store_->reading);
    if (!lazy.read.load(std::memory_order_relaxed)) {
      lazy.table = store_->Read(name);
      lazy.read.store(true, std::memory_order_release);
    }
  }
  return lazy.table;
}

std::optional<int> Sources::StrokeCount(const std::string& character) const {
  if (!store_->strokesRead.load(std::memory_order_acquire)) {
    const Table& table = TableNamed(kStrokeTable);  // takes the lock itself
    const std::lock_guard lock(store_->reading);
    if (!store_->strokesRead.load(std::memory_order_relaxed)) {
      for (const auto& row : table.Rows()) {
        const int count = ParseDecimal(row.at(0));
        for (std::size_t i = 0; i + 1 < row.at(1).size(); i += 2) store_->strokes.emplace(row[1].substr(i, 2), count);
      }
      store_->strokesRead.store(true, std::memory_order_release);
    }
  }
  const auto found = store_->strokes.find(character);
  if (found == store_->strokes.end()) return std::nullopt;
  return found->second;
}

const void* Sources::DerivedValue(std::type_index type,
                                  const std::function<std::shared_ptr<const void>()>& build) const {
  const std::lock_guard lock(store_->deriving);
  std::shared_ptr<const void>& value = store_->derived[type];
  if (!value) value = build();
  return value.get();
}

}  // namespace velmora::services
