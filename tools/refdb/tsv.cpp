#include "tools/refdb/tsv.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "text/gbk.h"
#include "text/text_lines.h"

namespace velmora::tools {

TsvTable ReadTsv(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  TsvTable table;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
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

std::string GbkOf(const std::string& text, const std::string& where) {
  std::string gbk = Utf8ToGbk(text);
  if (std::count(gbk.begin(), gbk.end(), '?') != std::count(text.begin(), text.end(), '?')) {
    throw std::runtime_error(where + ": a character GBK cannot hold in \"" + text + "\"");
  }
  return gbk;
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
