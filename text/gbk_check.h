#pragma once
// Whether bytes that arrive from outside (a request, a file) are GBK text.

#include <string_view>

namespace velmora {

// True when every byte sequence of the text is a GBK character iconv knows.
bool IsValidGbk(std::string_view text);

}  // namespace velmora
