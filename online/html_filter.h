#pragma once
// The filter every answer page passes before it enters a local file: the
// answer is parsed as a browser would parse it (gumbo) and written out again
// without what could run code, pull in other documents or send anything
// anywhere. Scripts, style sheets, frames, objects, applets, refresh and base
// tags, comments, forms and their controls, event handler attributes, styles
// that load something, srcset, ping and target attributes, and every address
// that is neither http(s) nor relative are dropped; text, tables, fonts, web
// links and pictures stay, in their places.

#include <string>
#include <string_view>

namespace velmora {

// GBK markup (a whole page or a piece of one) in, GBK markup out, lines ending
// in CR LF. The html, head and body tags are written only where the input has
// them; a character GBK cannot hold is written as a numeric character reference.
std::string FilterAnswerHtml(std::string_view gbkHtml);

}  // namespace velmora
