#pragma once
// The one shared query object over an encrypted database: a lookup replaces the
// current result, fields are read as GBK texts, and a small cursor lets the
// five-element reading rewrite its counts. The database file is held
// exclusively, so a second running copy of the program cannot use it.

#include <memory>
#include <string>
#include <vector>

#include "refdb/connections.h"
#include "refdb/sqlcipher_database.h"

namespace velmora {

class ReferenceDb {
 public:
  // Remembers where the database is; nothing is opened yet.
  ReferenceDb(std::string programFolder, DatabaseConnection connection);

  // Opens the database and takes its lock. Throws DatabaseError (missing file,
  // wrong password, held by another program); every later Lookup tries again.
  void Open();
  bool IsOpen() const { return db_ != nullptr; }

  // Runs a complete statement text (GBK) and makes its first row current.
  void Lookup(const std::string& statement);

  // The text of a column of the current row; empty when there is no current
  // row or the value is null. A column the result lacks is an error.
  std::string FieldText(const std::string& column) const;
  int RecordCount() const { return static_cast<int>(rows_.size()); }

  // Moving the cursor (or sorting) writes a pending edit first, as a
  // client-side cursor does.
  void First();
  void Next();
  bool AtEnd() const { return current_ >= rows_.size(); }
  // Orders the current result, as "数字 ASC": ascending by one column's text,
  // rows with equal texts keeping their stored order.
  void SetSort(const std::string& sort);
  void Edit();
  void SetFieldText(const std::string& column, const std::string& text);
  // Writes the edited row in one transaction: a crash leaves the old row or the new.
  void Post();

 private:
  std::size_t ColumnIndex(const std::string& columnGbk) const;

  std::string path_;
  std::string password_;
  std::unique_ptr<SqlCipherDatabase> db_;

  std::string table_;  // UTF-8
  std::vector<std::string> columns_;  // UTF-8
  struct Row {
    std::string rowid;
    SqlCipherDatabase::Row values;  // UTF-8
  };
  std::vector<Row> rows_;
  std::size_t current_ = 0;
  bool editing_ = false;
  SqlCipherDatabase::Row edited_;
};

}  // namespace velmora
