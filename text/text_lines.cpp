#include "text/text_lines.h"

namespace velmora {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (;;) {
    const std::size_t end = text.find('\n', from);
    std::string line(text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    if (end == std::string_view::npos) return lines;
    from = end + 1;
  }
}

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t tab; (tab = line.find('\t', from)) != std::string_view::npos; from = tab + 1) {
    fields.emplace_back(line.substr(from, tab - from));
  }
  fields.emplace_back(line.substr(from));
  return fields;
}

std::string_view TrimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace velmora
