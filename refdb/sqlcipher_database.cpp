#include "refdb/sqlcipher_database.h"

#include <sys/stat.h>

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include "refdb/database_error.h"

namespace velmora {
namespace {

struct StatementDeleter {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

constexpr int kKeyDerivationRounds = 4000;

}  // namespace

SqlCipherDatabase::SqlCipherDatabase(const std::string& path, const std::string& password, Mode mode) {
  // The engine takes an empty file for an empty database and would make it
  // one; an existing database is never empty, so such a file is damaged.
  struct stat file {};
  if (mode == Mode::OpenExisting && ::stat(path.c_str(), &file) == 0 && S_ISREG(file.st_mode) && file.st_size == 0) {
    throw DatabaseError("file is empty and holds no database (damaged): " + path);
  }
  const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw DatabaseError(message + ": " + path);
  }
  try {
    // Without a password the file is read as a plain database, which an
    // encrypted file is not.
    if (!password.empty()) {
      if (sqlite3_key(db_, password.data(), static_cast<int>(password.size())) != SQLITE_OK) Fail();
      // The passwords live in the program, so stretching them buys nothing;
      // the default key derivation would cost every start a tenth of a second.
      Execute("PRAGMA kdf_iter = " + std::to_string(kKeyDerivationRounds));
    }
    // A wrong key only shows when the first page is read.
    Query("SELECT count(*) FROM sqlite_master");
  } catch (...) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw;
  }
}

SqlCipherDatabase::~SqlCipherDatabase() { sqlite3_close(db_); }

void SqlCipherDatabase::Fail() const { throw DatabaseError(sqlite3_errmsg(db_)); }

void SqlCipherDatabase::Execute(std::string_view sql) {
  const std::string text(sql);
  char* error = nullptr;
  if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw DatabaseError(message);
  }
}

SqlCipherDatabase::Result SqlCipherDatabase::Query(std::string_view sql, const std::vector<std::string>& parameters) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK) Fail();
  const Statement statement(raw);
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    if (sqlite3_bind_text(raw, static_cast<int>(i + 1), parameters[i].data(), static_cast<int>(parameters[i].size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
      Fail();
    }
  }
  Result result;
  const int columnCount = sqlite3_column_count(raw);
  for (int c = 0; c < columnCount; ++c) result.columns.emplace_back(sqlite3_column_name(raw, c));
  for (;;) {
    const int step = sqlite3_step(raw);
    if (step == SQLITE_DONE) break;
    if (step != SQLITE_ROW) Fail();
    Row row;
    for (int c = 0; c < columnCount; ++c) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, c));
      if (text) {
        row.emplace_back(std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(raw, c))));
      } else {
        row.emplace_back(std::nullopt);
      }
    }
    result.rows.push_back(std::move(row));
  }
  return result;
}

}  // namespace velmora
