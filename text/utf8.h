#pragma once
// UTF-8, the encoding of the edges (terminal, widgets, file names, databases).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The bytes of the well-formed character the text starts with (1 to 4), or 0
// when it starts with a byte that begins no such character: a stray
// continuation byte, a lead of 0xF8 or more, an overlong form, a surrogate, a
// code point past U+10FFFF, or a sequence cut short.
std::size_t Utf8CharacterLength(std::string_view text);
// Whether every byte of the text belongs to a character Utf8CharacterLength
// accepts.
bool IsWellFormedUtf8(std::string_view text);

std::string EncodeUtf8(char32_t codePoint);
// The code points of a UTF-8 text; throws std::runtime_error on any byte that
// Utf8CharacterLength does not accept.
std::vector<char32_t> DecodeUtf8(std::string_view utf8);

}  // namespace velmora
