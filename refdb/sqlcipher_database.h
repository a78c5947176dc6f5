#pragma once
// A thin owner of one SQLCipher connection. Statements are prepared and bound,
// never assembled from values; every failure becomes a DatabaseError carrying
// the engine's own message.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velmora {

class SqlCipherDatabase {
 public:
  enum class Mode { OpenExisting, Create };

  // Opens the file and applies the key; the key is checked by reading the
  // schema. OpenExisting refuses an empty file as damaged.
  SqlCipherDatabase(const std::string& path, const std::string& password, Mode mode);
  ~SqlCipherDatabase();
  SqlCipherDatabase(const SqlCipherDatabase&) = delete;
  SqlCipherDatabase& operator=(const SqlCipherDatabase&) = delete;

  // Runs statements without parameters or results.
  void Execute(std::string_view sql);

  using Row = std::vector<std::optional<std::string>>;
  struct Result {
    std::vector<std::string> columns;
    std::vector<Row> rows;
  };
  // Runs one statement with text parameters ?1, ?2, … and collects every row.
  Result Query(std::string_view sql, const std::vector<std::string>& parameters = {});

 private:
  [[noreturn]] void Fail() const;
  sqlite3* db_ = nullptr;
};

}  // namespace velmora
