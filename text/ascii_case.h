#pragma once
// Case in the ASCII letters only: the names of protocols, schemes, hosts and
// markup, where GBK and UTF-8 bytes must stay as they are.

#include <string>
#include <string_view>

namespace velmora {

// The text with A-Z made a-z, every other byte kept.
std::string AsciiLowered(std::string_view text);

// Whether the text begins with `lowerPrefix` (given in lower case), its
// letters compared without case.
bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix);

}  // namespace velmora
