#pragma once
// A writer that fills one new encrypted database file and moves it into place
// only when everything is written, so a failed build never leaves half a database.

#include <memory>
#include <string>
#include <vector>

#include "refdb/sqlcipher_database.h"

namespace velmora::tools {

class DatabaseFile {
 public:
  DatabaseFile(std::string path, const std::string& password);
  // A table of text columns (UTF-8 names and texts).
  void AddTable(const std::string& table, const std::vector<std::string>& columns,
                const std::vector<std::vector<std::string>>& rows);
  void Finish();

 private:
  std::string path_, temporary_;
  std::unique_ptr<SqlCipherDatabase> db_;
};

}  // namespace velmora::tools
