#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The lines of a text separated by CR LF or LF; an empty text is one empty line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace velmora
