#pragma once
// Byte-position helpers for GBK texts. Positions count bytes from 1 and a
// Chinese character is two bytes, so character k starts at byte 2k-1.

#include <string>
#include <string_view>

namespace velmora {

// The bytes from 1-based position `position`, at most `count` of them; a position
// before 1 reads as 1 and a range past the end is cut short, never an error.
std::string BytesAt(std::string_view text, int position, int count);

// The longest beginning of the text that is at most `count` bytes long and
// does not end inside a double-byte character.
std::string WholeCharactersWithin(std::string_view text, std::size_t count);

// Character k (1-based) of a text of double-byte characters; empty past the end.
std::string CharacterAt(std::string_view text, int k);

// True for a byte that starts a double-byte character.
inline bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The first occurrence of `needle` at or after `start` (itself a character
// boundary) that begins on a character boundary, never inside a double-byte
// character; npos when none.
std::size_t FindGbk(std::string_view text, std::string_view needle, std::size_t start = 0);

}  // namespace velmora
