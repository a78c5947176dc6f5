#include "tools/refdb/database_file.h"

#include <filesystem>

#include "refdb/statement.h"

namespace velmora::tools {

DatabaseFile::DatabaseFile(std::string path, const std::string& password)
    : path_(std::move(path)), temporary_(path_ + ".new") {
  std::filesystem::remove(temporary_);
  db_ = std::make_unique<SqlCipherDatabase>(temporary_, password, SqlCipherDatabase::Mode::Create);
  db_->Execute("BEGIN");
}

void DatabaseFile::AddTable(const std::string& table, const std::vector<std::string>& columns,
                            const std::vector<std::vector<std::string>>& rows) {
  std::string create = "CREATE TABLE " + QuoteIdentifier(table) + " (";
  std::string insert = "INSERT INTO " + QuoteIdentifier(table) + " VALUES (";
  for (std::size_t c = 0; c < columns.size(); ++c) {
    create += (c ? ", " : "") + QuoteIdentifier(columns[c]) + " TEXT";
    insert += (c ? ", ?" : "?") + std::to_string(c + 1);
  }
  db_->Execute(create + ")");
  for (const auto& row : rows) db_->Query(insert + ")", row);
}

void DatabaseFile::Finish() {
  db_->Execute("COMMIT");
  db_.reset();
  std::filesystem::rename(temporary_, path_);
}

}  // namespace velmora::tools
