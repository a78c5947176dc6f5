#pragma once
// The INI text of the settings file, read the way INI files are read: section
// and key names without regard to case, blanks and one pair of quotes around
// a value dropped, lines ending in CR LF, LF or a lone CR, and a UTF-8
// byte-order mark making the text UTF-8 instead of GBK. These functions work
// on the whole content, so they can be tried on any text without a file.

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The value (GBK) of `key` in `section` (GBK names), or nothing when the
// section or the key is missing; lines that are no INI text are passed over.
std::optional<std::string> IniValue(std::string_view content, std::string_view section, std::string_view key);

// The content with the value set and everything else kept as it was: the
// other lines byte for byte, the encoding and the byte-order mark. Line
// breaks in the value become blanks, and a value that reading would change
// (blanks or quotes at its ends) is written between quotes, so IniValue gives
// it back. Every line of the result ends in CR LF.
std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace velmora
