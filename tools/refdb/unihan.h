#pragma once
// The few fields of the Unicode Han database that the stroke table needs.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora::tools {

struct RadicalStroke {
  int radical = 0;   // Kangxi radical number 1..214
  int residual = 0;  // strokes beyond the radical; 0 or less for the radical itself
};

class Unihan {
 public:
  // Reads Unihan_RadicalStrokeCounts.txt, Unihan_IRGSources.txt and
  // Unihan_Variants.txt from a folder; throws std::runtime_error when one is missing.
  static Unihan Load(const std::string& folder);

  std::optional<RadicalStroke> KangxiRadicalStroke(char32_t c) const;
  std::optional<int> TotalStrokes(char32_t c) const;
  const std::vector<char32_t>& TraditionalVariants(char32_t c) const;
  bool Has(char32_t c) const { return totalStrokes_.count(c) > 0; }

 private:
  std::unordered_map<char32_t, RadicalStroke> kangxi_;
  std::unordered_map<char32_t, RadicalStroke> unicodeRadical_;
  std::unordered_map<char32_t, int> totalStrokes_;
  std::unordered_map<char32_t, std::vector<char32_t>> traditional_;
};

}  // namespace velmora::tools
