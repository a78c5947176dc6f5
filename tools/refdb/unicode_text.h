#pragma once
// Code points and UTF-8, for the data builders.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::tools {

std::string EncodeUtf8(char32_t codePoint);
// The code points of a UTF-8 text; throws std::runtime_error on malformed input.
std::vector<char32_t> DecodeUtf8(std::string_view utf8);
// "U+5F20" -> 0x5F20; 0 when the text is not of that form.
char32_t ParseCodePoint(std::string_view text);

}  // namespace velmora::tools
