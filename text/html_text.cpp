#include "text/html_text.h"

namespace velmora {

std::string HtmlEscape(const std::string& gbk) {
  std::string escaped;
  for (char c : gbk) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace velmora
