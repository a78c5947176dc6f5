#include "tests/services/page_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/gbk.h"

namespace velmora::services::testing {

std::vector<std::string> PageTextLines(const Page& page) {
  std::vector<std::string> lines;
  const std::string text = GbkToUtf8(page.body);
  std::size_t from = std::min(text.find("<body>"), text.size());
  for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2) {
    std::string line;
    bool inTag = false;
    for (const char c : text.substr(from, end - from)) {
      if (c == '<' || c == '>') {
        inTag = c == '<';
      } else if (!inTag) {
        line += c;
      }
    }
    for (const auto& [entity, character] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
      for (std::size_t at; (at = line.find(entity)) != std::string::npos;) {
        line.replace(at, std::strlen(entity), character);
      }
    }
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

int IndexOfLine(const std::vector<std::string>& lines, const std::string& line) {
  const auto found = std::find(lines.begin(), lines.end(), line);
  return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

std::vector<std::string> LinesBetween(const std::vector<std::string>& lines, const std::string& start,
                                      const std::string& end, int skip) {
  const int first = IndexOfLine(lines, start);
  const int last = IndexOfLine(lines, end);
  if (first < 0 || last < first + skip) return {};
  return {lines.begin() + first + skip, lines.begin() + last};
}

}  // namespace velmora::services::testing
