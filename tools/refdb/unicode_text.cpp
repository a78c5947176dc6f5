#include "tools/refdb/unicode_text.h"

#include <charconv>

namespace velmora::tools {

char32_t ParseCodePoint(std::string_view text) {
  if (text.size() < 3 || text.substr(0, 2) != "U+") return 0;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace velmora::tools
