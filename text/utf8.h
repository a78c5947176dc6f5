#pragma once
// UTF-8, the encoding of the edges (terminal, widgets, file names, databases).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Bytes of the character a lead byte starts (1 for ASCII and stray bytes).
std::size_t Utf8SequenceLength(unsigned char lead);

std::string EncodeUtf8(char32_t codePoint);
// The code points of a UTF-8 text; throws std::runtime_error on malformed input.
std::vector<char32_t> DecodeUtf8(std::string_view utf8);

}  // namespace velmora
