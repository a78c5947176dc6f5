#pragma once
// Byte-position helpers for GBK texts. Positions count bytes from 1 and a
// Chinese character is two bytes, so character k starts at byte 2k-1.

#include <string>
#include <string_view>

namespace velmora {

// The bytes from 1-based position `position`, at most `count` of them; a position
// before 1 reads as 1 and a range past the end is cut short, never an error.
std::string BytesAt(std::string_view text, int position, int count);

// Character k (1-based) of a text of double-byte characters; empty past the end.
std::string CharacterAt(std::string_view text, int k);

}  // namespace velmora
