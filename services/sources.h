#pragma once
// What every handler of the service shares: the program folder, the tables of
// data/services.db (GBK texts) and the clock. A table is read when a request
// first needs it, under a lock, and never changed afterwards, so the server's
// threads then read it without locks; most requests need few of the tables,
// and a service that starts fast holds back no one.

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <typeindex>
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
  // Opens data/services.db of the program folder (a folder path ending in
  // "/") and learns its table names; throws std::runtime_error with the
  // database's message when it cannot.
  explicit Sources(std::string programFolder);

  const std::string& Folder() const { return folder_; }
  // The table of that name (UTF-8 name as in data/services/), read on first
  // use; throws std::runtime_error when the database has none or cannot be
  // read (the next call tries again).
  const Table& TableNamed(const std::string& name) const;
  // The name-numerology stroke count of a GBK character; nothing when the
  // reference tables do not hold it. Throws as TableNamed.
  std::optional<int> StrokeCount(const std::string& character) const;

  // A value built from these sources (constructed as T(sources)) on its first
  // use and kept with their tables, shared by copies: what several requests
  // derive from the same tables is derived once. Thread-safe; throws what
  // T's constructor throws (the next call tries again).
  template <class T>
  const T& Derived() const {
    return *static_cast<const T*>(
        DerivedValue(typeid(T), [this] { return std::shared_ptr<const void>(std::make_shared<const T>(*this)); }));
  }

  // The time now; tests fix it to make answers that depend on the date repeatable.
  std::time_t Now() const { return clock_(); }
  void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

 private:
  struct Store;  // the database and what has been read from it, shared by copies

  const void* DerivedValue(std::type_index type, const std::function<std::shared_ptr<const void>()>& build) const;

  std::string folder_;
  std::shared_ptr<Store> store_;
  std::function<std::time_t()> clock_ = [] { return std::time(nullptr); };
};

}  // namespace velmora::services
