#pragma once
// The lookups the readings send are complete statement texts: a fixed prefix,
// a key and a closing double quote. They are taken apart here so that the key
// travels as a bound parameter and never becomes part of the SQL.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct LookupStatement {
  enum class Filter { All, Equals, Like };
  std::string table;  // UTF-8
  Filter filter = Filter::All;
  std::string column;  // UTF-8, empty for Filter::All
  std::string key;     // UTF-8, everything between the opening and the final double quote
};

// Accepts `select * from T`, `select * from T where C = "K"` and
// `select * from T where C like "K"` (K may itself hold double quotes);
// anything else is no lookup.
std::optional<LookupStatement> ParseLookupStatement(std::string_view utf8);

// SQL for the statement with its parameters. In a like pattern only a leading
// and a trailing "%" are wildcards; every other character matches itself.
struct BoundQuery {
  std::string sql;
  std::vector<std::string> parameters;
};
BoundQuery ToBoundQuery(const LookupStatement& statement);

// "name" with embedded double quotes doubled, for table and column names.
std::string QuoteIdentifier(std::string_view name);

}  // namespace velmora
