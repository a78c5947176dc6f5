#include "tests/services/page_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/gbk.h"

namespace velmora::services::testing {

namespace {

// The lines of the page (UTF-8) from its body on.
std::vector<std::string> BodyLines(const Page& page) {
  std::vector<std::string> lines;
  const std::string text = GbkToUtf8(page.body);
  std::size_t from = std::min(text.find("<body"), text.size());
  for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2) {
    lines.push_back(text.substr(from, end - from));
  }
  return lines;
}

// A line of markup without its tags and entities.
std::string TextOf(const std::string& markup) {
  std::string line;
  bool inTag = false;
  for (const char c : markup) {
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
  return line;
}

}  // namespace

std::vector<std::string> PageTextLines(const Page& page) {
  std::vector<std::string> lines;
  for (const std::string& markup : BodyLines(page)) {
    std::string line = TextOf(markup);
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> ProseParagraphs(const Page& page) {
  std::vector<std::string> paragraphs;
  for (const std::string& markup : BodyLines(page)) {
    if (markup.find("class=\"prose\"") != std::string::npos) paragraphs.push_back(TextOf(markup));
  }
  return paragraphs;
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
