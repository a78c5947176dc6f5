// Lookup statements (GBK) through the query object into a real database:
// any text is either refused as no lookup, names a table or column that is
// not there, or runs with its key bound as a parameter. An SQL error of any
// other kind would mean the key reached the statement text.

#include <unistd.h>

#include <filesystem>

#include "fuzz/fuzz_input.h"
#include "refdb/database_error.h"
#include "refdb/reference_db.h"
#include "refdb/sqlcipher_database.h"
#include "text/gbk.h"

namespace velmora::fuzz {
namespace {

// A small unencrypted database with the shapes of the reference tables.
ReferenceDb& Database() {
  static ReferenceDb* db = [] {
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("velmora-fuzz-" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(folder + "/data");
    {
      SqlCipherDatabase create(folder + "/data/lookup.db", "", SqlCipherDatabase::Mode::Create);
      create.Execute(
          "CREATE TABLE \"汉字笔划\" (\"汉字\" TEXT, \"数字\" TEXT);"
          "INSERT INTO \"汉字笔划\" VALUES ('张弓', '11'), ('三', '3'), ('%_\\\"', '7');"
          "CREATE TABLE \"五行\" (\"五行\" TEXT, \"数字\" TEXT, \"汉字\" TEXT);"
          "INSERT INTO \"五行\" VALUES ('木', '1', '林'), ('火', '2', '炎');");
    }
    auto* opened = new ReferenceDb(folder + "/", {"data/lookup.db", ""});
    opened->Open();
    std::filesystem::remove_all(folder);  // the open connection keeps the file
    return opened;
  }();
  return *db;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  ReferenceDb& db = Database();
  try {
    db.Lookup(std::string(Bytes(data, size)));
    for (db.First(); !db.AtEnd(); db.Next()) Check(db.RecordCount() > 0, "a row of an empty result");
  } catch (const DatabaseError& error) {
    const std::string message = error.what();
    Check(StartsWith(message, "unsupported statement") || StartsWith(message, "no such table") ||
              StartsWith(message, "no such column"),
          "only a statement that is no lookup or names what is not there fails");
  }
  return 0;
}
