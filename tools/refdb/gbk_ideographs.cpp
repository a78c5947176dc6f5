#include "tools/refdb/gbk_ideographs.h"

#include "text/gbk.h"
#include "tools/refdb/unicode_text.h"

namespace velmora::tools {
namespace {

bool IsIdeograph(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF);
}

bool IsGb2312(unsigned lead, unsigned trail) { return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1; }

}  // namespace

std::vector<char32_t> GbkIdeographs() {
  std::vector<char32_t> gb2312, others;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::vector<char32_t> decoded = DecodeUtf8(GbkToUtf8(std::string_view(bytes, 2)));
      if (decoded.size() != 1 || !IsIdeograph(decoded[0])) continue;
      (IsGb2312(lead, trail) ? gb2312 : others).push_back(decoded[0]);
    }
  }
  gb2312.insert(gb2312.end(), others.begin(), others.end());
  return gb2312;
}

}  // namespace velmora::tools
