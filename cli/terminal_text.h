#pragma once
// What velmora-cli prints of texts it did not write itself (the characters of
// a user's text, error messages that quote an argument or a file's name):
// control characters in them would move the cursor, recolour or retitle the
// terminal or split a line, so they are shown as escapes instead.

#include <ostream>
#include <string>
#include <string_view>

namespace velmora::cli {

// UTF-8 in and out: control characters (U+0000 to U+001F, U+007F to U+009F,
// the TAB and the line breaks included) and bytes that begin no UTF-8
// character become \xHH, one per byte; a backslash becomes \\ so that an
// escape cannot be told from the same text typed. Everything else stays.
std::string TerminalText(std::string_view utf8);

// "velmora-cli: " and the message as TerminalText, on one line of its own.
void PrintError(std::ostream& err, std::string_view message);

}  // namespace velmora::cli
