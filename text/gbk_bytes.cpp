#include "text/gbk_bytes.h"

#include <algorithm>

namespace velmora {

std::string BytesAt(std::string_view text, int position, int count) {
  if (count <= 0) return {};
  const long first = std::max(position, 1) - 1;
  const long size = static_cast<long>(text.size());
  if (first >= size) return {};
  const long last = std::min<long>(size, first + count);
  return std::string(text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first)));
}

std::string WholeCharactersWithin(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + (IsGbkLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1);
    if (next > count) break;
    end = next;
  }
  return std::string(text.substr(0, end));
}

std::string CharacterAt(std::string_view text, int k) { return BytesAt(text, 2 * k - 1, 2); }

std::size_t FindGbk(std::string_view text, std::string_view needle, std::size_t start) {
  for (std::size_t i = start; i + needle.size() <= text.size();) {
    if (text.compare(i, needle.size(), needle) == 0) return i;
    i += IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  return std::string_view::npos;
}

}  // namespace velmora
