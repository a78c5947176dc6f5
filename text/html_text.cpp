#include "text/html_text.h"

namespace velmora {

std::string HtmlEscape(const std::string& gbk) {
  std::string escaped;
  escaped.reserve(gbk.size());
  // Runs of ordinary bytes are copied whole: the pages escape every line they show.
  std::size_t from = 0;
  for (std::size_t at = 0; at < gbk.size(); ++at) {
    const char c = gbk[at];
    const char* entity = c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : nullptr;
    if (!entity) continue;
    escaped.append(gbk, from, at - from).append(entity);
    from = at + 1;
  }
  return escaped.append(gbk, from);
}

}  // namespace velmora
