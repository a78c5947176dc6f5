#include "refdb/reference_db.h"

#include <algorithm>

#include "refdb/database_error.h"
#include "refdb/statement.h"
#include "text/gbk.h"

namespace velmora {

ReferenceDb::ReferenceDb(std::string programFolder, DatabaseConnection connection)
    : path_(std::move(programFolder) + connection.file), password_(std::move(connection.password)) {}

void ReferenceDb::Open() {
  db_.reset();
  auto db = std::make_unique<SqlCipherDatabase>(path_, password_, SqlCipherDatabase::Mode::OpenExisting);
  // Exclusive locking keeps the lock of the first write until the connection
  // closes, so another program can neither read nor write the file meanwhile.
  db->Execute("PRAGMA locking_mode=EXCLUSIVE; PRAGMA synchronous=FULL; BEGIN EXCLUSIVE; COMMIT;");
  db_ = std::move(db);
}

void ReferenceDb::Lookup(const std::string& statement) {
  rows_.clear();
  columns_.clear();
  table_.clear();
  current_ = 0;
  editing_ = false;
  if (!db_) Open();
  const std::optional<LookupStatement> parsed = ParseLookupStatement(GbkToUtf8(statement));
  if (!parsed) throw DatabaseError("unsupported statement: " + GbkToUtf8(statement));
  const SqlCipherDatabase::Result exists =
      db_->Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1", {parsed->table});
  if (exists.rows.empty()) throw DatabaseError("no such table: " + parsed->table);

  // Checked here: SQLite would read a quoted unknown column as a string.
  if (parsed->filter != LookupStatement::Filter::All) {
    const std::vector<std::string> columns =
        db_->Query("SELECT * FROM " + QuoteIdentifier(parsed->table) + " LIMIT 0").columns;
    if (std::find(columns.begin(), columns.end(), parsed->column) == columns.end()) {
      throw DatabaseError("no such column: " + parsed->column);
    }
  }
  const BoundQuery query = ToBoundQuery(*parsed);
  SqlCipherDatabase::Result result = db_->Query(query.sql, query.parameters);
  table_ = parsed->table;
  columns_.assign(result.columns.begin() + 1, result.columns.end());
  for (SqlCipherDatabase::Row& values : result.rows) {
    Row row;
    row.rowid = values.front().value_or("");
    row.values.assign(std::make_move_iterator(values.begin() + 1), std::make_move_iterator(values.end()));
    rows_.push_back(std::move(row));
  }
}

std::size_t ReferenceDb::ColumnIndex(const std::string& columnGbk) const {
  const std::string column = GbkToUtf8(columnGbk);
  const auto found = std::find(columns_.begin(), columns_.end(), column);
  if (found == columns_.end()) throw DatabaseError("no such column: " + column);
  return static_cast<std::size_t>(found - columns_.begin());
}

std::string ReferenceDb::FieldText(const std::string& column) const {
  const std::size_t index = ColumnIndex(column);
  if (AtEnd()) return {};
  const SqlCipherDatabase::Row& values = editing_ ? edited_ : rows_[current_].values;
  return Utf8ToGbk(values[index].value_or(""));
}

void ReferenceDb::First() {
  Post();
  current_ = 0;
}

void ReferenceDb::Next() {
  Post();
  ++current_;
}

void ReferenceDb::SetSort(const std::string& sort) {
  Post();
  const std::string text = GbkToUtf8(sort);
  const std::size_t blank = text.find(' ');
  const std::string direction = blank == std::string::npos ? "ASC" : text.substr(blank + 1);
  if (direction != "ASC" && direction != "DESC") throw DatabaseError("unsupported sort: " + text);
  const std::size_t index = ColumnIndex(Utf8ToGbk(text.substr(0, blank)));
  std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
    const std::string& left = a.values[index].value_or("");
    const std::string& right = b.values[index].value_or("");
    return direction == "ASC" ? left < right : right < left;
  });
  current_ = 0;
}

void ReferenceDb::Edit() {
  if (AtEnd()) throw DatabaseError("no current row to edit");
  edited_ = rows_[current_].values;
  editing_ = true;
}

void ReferenceDb::SetFieldText(const std::string& column, const std::string& text) {
  if (!editing_) Edit();
  edited_[ColumnIndex(column)] = GbkToUtf8(text);
}

void ReferenceDb::Post() {
  if (!editing_) return;
  std::string sql = "UPDATE " + QuoteIdentifier(table_) + " SET ";
  std::vector<std::string> parameters;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (c > 0) sql += ", ";
    sql += QuoteIdentifier(columns_[c]) + " = ?" + std::to_string(c + 1);
    parameters.push_back(edited_[c].value_or(""));
  }
  sql += " WHERE rowid = ?" + std::to_string(columns_.size() + 1);
  parameters.push_back(rows_[current_].rowid);
  db_->Execute("BEGIN IMMEDIATE");
  try {
    db_->Query(sql, parameters);
    db_->Execute("COMMIT");
  } catch (...) {
    db_->Execute("ROLLBACK");
    throw;
  }
  rows_[current_].values = edited_;
  editing_ = false;
}

}  // namespace velmora
