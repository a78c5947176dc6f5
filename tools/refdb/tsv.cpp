#include "tools/refdb/tsv.h"

#include <fstream>
#include <stdexcept>

namespace velmora::tools {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
    fields.push_back(line.substr(from, tab - from));
  }
  fields.push_back(line.substr(from));
  return fields;
}

}  // namespace

TsvTable ReadTsv(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  TsvTable table;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;  // a comment describing the rows
    std::vector<std::string> fields = SplitTabs(line);
    if (table.columns.empty()) {
      table.columns = std::move(fields);
      continue;
    }
    if (fields.size() != table.columns.size()) {
      throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": expected " +
                               std::to_string(table.columns.size()) + " fields, found " + std::to_string(fields.size()));
    }
    table.rows.push_back(std::move(fields));
  }
  if (table.columns.empty()) throw std::runtime_error(path + ": no header line");
  return table;
}

std::string ExpandLineBreaks(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace velmora::tools
