#pragma once
// Code points as Unicode's data files write them, for the data builders.

#include <string_view>

#include "text/utf8.h"

namespace velmora::tools {

// "U+5F20" -> 0x5F20; 0 when the text is not of that form.
char32_t ParseCodePoint(std::string_view text);

}  // namespace velmora::tools
