#include "tools/refdb/unicode_text.h"

#include <charconv>
#include <stdexcept>

namespace velmora::tools {

std::string EncodeUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::vector<char32_t> DecodeUtf8(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
      throw std::runtime_error("malformed UTF-8 text");
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto trail = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((trail & 0xC0) != 0x80) throw std::runtime_error("malformed UTF-8 text");
      c = (c << 6) | (trail & 0x3F);
    }
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

char32_t ParseCodePoint(std::string_view text) {
  if (text.size() < 3 || text.substr(0, 2) != "U+") return 0;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace velmora::tools
