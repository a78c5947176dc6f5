#include "refdb/statement.h"

namespace velmora {
namespace {

constexpr std::string_view kSelectAll = "select * from ";
constexpr std::string_view kWhere = " where ";

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string EscapeLike(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\\' || c == '%' || c == '_') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace

std::optional<LookupStatement> ParseLookupStatement(std::string_view text) {
  if (!StartsWith(text, kSelectAll)) return std::nullopt;
  text.remove_prefix(kSelectAll.size());
  LookupStatement statement;
  const std::size_t where = text.find(kWhere);
  if (where == std::string_view::npos) {
    if (text.empty() || text.find_first_of(" \"") != std::string_view::npos) return std::nullopt;
    statement.table = text;
    return statement;
  }
  statement.table = text.substr(0, where);
  text.remove_prefix(where + kWhere.size());
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos || statement.table.empty()) return std::nullopt;
  statement.column = text.substr(0, blank);
  text.remove_prefix(blank + 1);
  if (StartsWith(text, "= \"")) {
    statement.filter = LookupStatement::Filter::Equals;
    text.remove_prefix(3);
  } else if (StartsWith(text, "like \"")) {
    statement.filter = LookupStatement::Filter::Like;
    text.remove_prefix(6);
  } else {
    return std::nullopt;
  }
  if (text.empty() || text.back() != '"' || statement.column.empty()) return std::nullopt;
  text.remove_suffix(1);
  statement.key = text;
  return statement;
}

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

BoundQuery ToBoundQuery(const LookupStatement& statement) {
  BoundQuery query;
  query.sql = "SELECT rowid AS rowid, * FROM " + QuoteIdentifier(statement.table);
  switch (statement.filter) {
    case LookupStatement::Filter::All:
      break;
    case LookupStatement::Filter::Equals:
      query.sql += " WHERE " + QuoteIdentifier(statement.column) + " = ?1";
      query.parameters.push_back(statement.key);
      break;
    case LookupStatement::Filter::Like: {
      std::string_view pattern = statement.key;
      const bool leading = StartsWith(pattern, "%");
      if (leading) pattern.remove_prefix(1);
      const bool trailing = !pattern.empty() && pattern.back() == '%';
      if (trailing) pattern.remove_suffix(1);
      query.sql += " WHERE " + QuoteIdentifier(statement.column) + " LIKE ?1 ESCAPE '\\'";
      std::string parameter = leading ? "%" : "";
      parameter.append(EscapeLike(pattern));
      if (trailing) parameter.push_back('%');
      query.parameters.push_back(std::move(parameter));
      break;
    }
  }
  query.sql += " ORDER BY rowid";
  return query;
}

}  // namespace velmora
