#include "text/gbk_check.h"

#include <algorithm>

#include "text/gbk.h"

namespace velmora {

bool IsValidGbk(std::string_view text) {
  // The conversion writes one "?" for every sequence it cannot read, and a
  // valid character never becomes "?".
  const std::string utf8 = GbkToUtf8(text);
  return std::count(utf8.begin(), utf8.end(), '?') == std::count(text.begin(), text.end(), '?');
}

}  // namespace velmora
