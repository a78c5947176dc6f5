#include "tools/refdb/unihan.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tools/refdb/unicode_text.h"

namespace velmora::tools {
namespace {

template <typename OnField>
void ReadUnihanFile(const std::string& path, OnField onField) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string codePoint, field, values;
    fields >> codePoint >> field;
    std::getline(fields >> std::ws, values);
    if (const char32_t c = ParseCodePoint(codePoint)) onField(c, field, values);
  }
}

// "170.8" (or "120'.3" for a simplified radical form) -> {170, 8}
std::optional<RadicalStroke> ParseRadicalStroke(const std::string& values) {
  const std::string first = values.substr(0, values.find(' '));
  const std::size_t dot = first.find('.');
  if (dot == std::string::npos) return std::nullopt;
  std::string radical = first.substr(0, dot);
  while (!radical.empty() && radical.back() == '\'') radical.pop_back();
  try {
    return RadicalStroke{std::stoi(radical), std::stoi(first.substr(dot + 1))};
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

Unihan Unihan::Load(const std::string& folder) {
  Unihan unihan;
  ReadUnihanFile(folder + "/Unihan_RadicalStrokeCounts.txt", [&](char32_t c, const std::string& field, const std::string& values) {
    if (field == "kRSKangXi") {
      if (auto parsed = ParseRadicalStroke(values)) unihan.kangxi_[c] = *parsed;
    }
  });
  ReadUnihanFile(folder + "/Unihan_IRGSources.txt", [&](char32_t c, const std::string& field, const std::string& values) {
    if (field == "kTotalStrokes") unihan.totalStrokes_[c] = std::stoi(values);
    if (field == "kRSUnicode") {
      if (auto parsed = ParseRadicalStroke(values)) unihan.unicodeRadical_[c] = *parsed;
    }
  });
  ReadUnihanFile(folder + "/Unihan_Variants.txt", [&](char32_t c, const std::string& field, const std::string& values) {
    if (field != "kTraditionalVariant") return;
    std::istringstream list(values);
    for (std::string item; list >> item;) {
      if (const char32_t variant = ParseCodePoint(item.substr(0, item.find('<')))) unihan.traditional_[c].push_back(variant);
    }
  });
  if (unihan.totalStrokes_.empty() || unihan.kangxi_.empty()) throw std::runtime_error("no Unihan data in " + folder);
  return unihan;
}

std::optional<RadicalStroke> Unihan::KangxiRadicalStroke(char32_t c) const {
  if (const auto found = kangxi_.find(c); found != kangxi_.end()) return found->second;
  if (const auto found = unicodeRadical_.find(c); found != unicodeRadical_.end()) return found->second;
  return std::nullopt;
}

std::optional<int> Unihan::TotalStrokes(char32_t c) const {
  const auto found = totalStrokes_.find(c);
  if (found == totalStrokes_.end()) return std::nullopt;
  return found->second;
}

const std::vector<char32_t>& Unihan::TraditionalVariants(char32_t c) const {
  static const std::vector<char32_t> none;
  const auto found = traditional_.find(c);
  return found == traditional_.end() ? none : found->second;
}

}  // namespace velmora::tools
