#pragma once
// The reviewed text sources of the reference tables: UTF-8, a header line
// naming the columns, one TAB between fields, "\n" for a line break in a text.
// Lines that begin with "#" (before the header or anywhere) are comments.

#include <string>
#include <vector>

namespace velmora::tools {

struct TsvTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// Throws std::runtime_error naming the file and line of any malformed row.
TsvTable ReadTsv(const std::string& path);

// The GBK bytes of a source text; throws std::runtime_error naming `where`
// when the text holds a character GBK cannot.
std::string GbkOf(const std::string& text, const std::string& where);

// "\n" written in a source text becomes a CR LF line break.
std::string ExpandLineBreaks(const std::string& text);

}  // namespace velmora::tools
