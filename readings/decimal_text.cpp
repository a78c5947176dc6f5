#include "readings/decimal_text.h"

#include <charconv>
#include <stdexcept>

#include "text/gbk.h"

namespace velmora {

int ParseDecimal(const std::string& text) {
  int value = 0;
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (begin != end && *begin == '+') ++begin;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (text.empty() || error != std::errc() || stop != end) {
    throw std::runtime_error("'" + GbkToUtf8(text) + "' is not a valid integer value");
  }
  return value;
}

}  // namespace velmora
