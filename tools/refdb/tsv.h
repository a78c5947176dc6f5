#pragma once
// The reviewed text sources of the reference tables: UTF-8, a header line
// naming the columns, one TAB between fields, "\n" for a line break in a text;
// lines starting with "#" are comments.

#include <string>
#include <vector>

namespace velmora::tools {

struct TsvTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// Throws std::runtime_error naming the file and line of any malformed row.
TsvTable ReadTsv(const std::string& path);

// "\n" written in a source text becomes a CR LF line break.
std::string ExpandLineBreaks(const std::string& text);

}  // namespace velmora::tools
