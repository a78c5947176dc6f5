#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The lines of a text separated by CR LF or LF; an empty text is one empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The fields of a line separated by TAB; a line without a TAB is one field.
std::vector<std::string> SplitTabs(std::string_view line);

// The text without the blanks and TABs at either end.
std::string_view TrimmedBlanks(std::string_view text);

}  // namespace velmora
