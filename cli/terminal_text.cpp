#include "cli/terminal_text.h"

#include "text/utf8.h"

namespace velmora::cli {
namespace {

void AppendEscaped(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  }
}

bool IsControl(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return lead < 0x20 || lead == 0x7F;
  return lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;  // U+0080 to U+009F
}

}  // namespace

std::string TerminalText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Utf8CharacterLength(utf8.substr(i));
    const std::string_view character = utf8.substr(i, length == 0 ? 1 : length);
    if (length == 0 || IsControl(character)) {
      AppendEscaped(out, character);
    } else if (character == "\\") {
      out += "\\\\";
    } else {
      out += character;
    }
    i += character.size();
  }
  return out;
}

void PrintError(std::ostream& err, std::string_view message) {
  err << "velmora-cli: " << TerminalText(message) << "\n";
}

}  // namespace velmora::cli
