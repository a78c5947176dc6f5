// GBK and UTF-8 conversion: the bytes as UTF-8 and as GBK. Every character
// and every bad byte becomes exactly one character (a "?" for the bad ones),
// the results are always well-formed UTF-8, and decoding agrees with the
// character test it is built on.

#include <stdexcept>

#include "fuzz/fuzz_input.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"
#include "text/text_lines.h"
#include "text/utf8.h"

namespace velmora::fuzz {
namespace {

// Characters and bad bytes of a UTF-8 text, each counted once.
size_t Utf8Units(std::string_view text) {
  size_t units = 0;
  for (size_t i = 0; i < text.size(); ++units) i += std::max<size_t>(1, Utf8CharacterLength(text.substr(i)));
  return units;
}

// Two-byte characters, single bytes and bad bytes of a GBK text.
size_t GbkUnits(std::string_view text) {
  size_t units = 0;
  for (size_t i = 0; i < text.size(); ++units) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    i += lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
  }
  return units;
}

size_t Characters(const std::string& utf8) {
  try {
    return DecodeUtf8(utf8).size();
  } catch (const std::runtime_error&) {
    Broken("a conversion gave malformed UTF-8");
  }
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  const std::string_view bytes = Bytes(data, size);

  bool wellFormed = true;
  for (size_t i = 0; i < bytes.size() && wellFormed;) {
    const size_t length = Utf8CharacterLength(bytes.substr(i));
    wellFormed = length > 0;
    i += length;
  }
  try {
    std::string encoded;
    for (const char32_t c : DecodeUtf8(bytes)) encoded += EncodeUtf8(c);
    Check(wellFormed && encoded == bytes, "decoding accepts exactly the well-formed texts and encodes back");
  } catch (const std::runtime_error&) {
    Check(!wellFormed, "decoding rejects exactly the malformed texts");
  }

  const std::string gbk = Utf8ToGbk(bytes);
  Check(Characters(GbkToUtf8(gbk)) == Utf8Units(bytes), "one GBK character per UTF-8 character or bad byte");
  Check(Characters(GbkToUtf8(bytes)) == GbkUnits(bytes), "one UTF-8 character per GBK character or bad byte");

  const int position = size > 0 ? static_cast<int8_t>(data[0]) : 0;
  Check(BytesAt(bytes, position, position * 3).size() <= bytes.size(), "a cut lies within the text");
  Check(CharacterAt(bytes, position).size() <= 2, "a character is at most two bytes");
  const std::vector<std::string> lines = SplitLines(bytes);
  size_t kept = 0;
  for (const std::string& line : lines) {
    Check(line.find('\n') == std::string::npos, "no line break inside a line");
    kept += line.size();
  }
  // Between two lines lies an LF or a CR LF; a CR at the very end is dropped
  // too. Nothing else is lost.
  const size_t breaks = lines.size() - 1;
  Check(kept + breaks <= bytes.size() && bytes.size() <= kept + 2 * breaks + 1, "splitting loses only the line breaks");
  return 0;
}
