#pragma once
// What every handler of the service shares, loaded once at start and never
// changed afterwards, so the server's threads read it without locks: the
// program folder, every table of data/services.db (GBK texts) and the clock.

#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora::services {

// One table of services.db: its columns and rows, texts in GBK.
class Table {
 public:
  Table() = default;
  Table(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);

  const std::vector<std::string>& Columns() const { return columns_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
  // The first row whose first column is the key; nothing when there is none.
  const std::vector<std::string>* Find(const std::string& key) const;
  // The text of a column (by its GBK name) in the row of the key; throws
  // std::runtime_error naming both when either is missing, which only a
  // broken build can cause.
  const std::string& Text(const std::string& key, const std::string& column) const;
  std::size_t Column(const std::string& name) const;

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<std::string>> rows_;
  std::unordered_map<std::string, std::size_t> byKey_;
};

class Sources {
 public:
  // Reads data/services.db of the program folder (a folder path ending in
  // "/"); throws std::runtime_error with the database's message when it cannot.
  explicit Sources(std::string programFolder);

  const std::string& Folder() const { return folder_; }
  // The table of that name (UTF-8 name as in data/services/); throws
  // std::runtime_error when the database has none.
  const Table& TableNamed(const std::string& name) const;
  // The name-numerology stroke count of a GBK character; nothing when the
  // reference tables do not hold it.
  std::optional<int> StrokeCount(const std::string& character) const;

  // The time now; tests fix it to make answers that depend on the date repeatable.
  std::time_t Now() const { return clock_(); }
  void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

 private:
  std::string folder_;
  std::map<std::string, Table> tables_;
  std::unordered_map<std::string, int> strokes_;
  std::function<std::time_t()> clock_ = [] { return std::time(nullptr); };
};

}  // namespace velmora::services
