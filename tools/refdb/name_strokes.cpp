#include "tools/refdb/name_strokes.h"

#include <array>

namespace velmora::tools {

int KangxiRadicalStrokes(int radical) {
  // The first radical of each stroke count; radicals run in stroke order.
  static constexpr std::array<int, 17> kFirstOfCount = {1,   7,   30,  61,  95,  118, 147, 167, 176,
                                                         187, 195, 201, 205, 209, 211, 212, 214};
  int strokes = 0;
  for (int first : kFirstOfCount) {
    if (radical >= first) ++strokes;
  }
  return strokes;
}

char32_t NameStrokes::TraditionalForm(char32_t c) const {
  if (const auto chosen = policy_.find(c); chosen != policy_.end()) return chosen->second;
  // Unihan often lists the character itself beside its traditional form (刘
  // beside 劉); the other form is the one names use unless the reviewed policy
  // keeps the character (胡 is not 衚, 余 not 餘).
  for (char32_t variant : unihan_.TraditionalVariants(c)) {
    if (variant != c) return variant;
  }
  return c;
}

std::optional<int> NameStrokes::StrokeCount(char32_t c) const {
  static constexpr char32_t kNumerals[] = {U'一', U'二', U'三', U'四', U'五', U'六', U'七', U'八', U'九', U'十'};
  const char32_t form = TraditionalForm(c);
  for (int value = 1; value <= 10; ++value) {
    if (form == kNumerals[value - 1]) return value;
  }
  const std::optional<RadicalStroke> radical = unihan_.KangxiRadicalStroke(form);
  if (radical && radical->residual > 0) return KangxiRadicalStrokes(radical->radical) + radical->residual;
  if (const std::optional<int> total = unihan_.TotalStrokes(form)) return total;
  return unihan_.TotalStrokes(c);
}

}  // namespace velmora::tools
