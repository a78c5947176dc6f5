#include "platform/local_page_policy.h"

#include <algorithm>
#include <cctype>

namespace velmora {

std::string WithLocalPagePolicy(std::string_view page) {
  const std::string meta =
      "<meta http-equiv=\"Content-Security-Policy\" content=\"" + std::string(kLocalPagePolicy) + "\">";
  const std::size_t start = std::min(page.find_first_not_of(" \t\r\n\f"), page.size());
  constexpr std::string_view kDoctype = "<!doctype";
  std::size_t at = 0;
  if (page.size() - start >= kDoctype.size() &&
      std::equal(kDoctype.begin(), kDoctype.end(), page.begin() + static_cast<std::ptrdiff_t>(start),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); })) {
    const std::size_t end = page.find('>', start);
    at = end == std::string_view::npos ? page.size() : end + 1;
  }
  std::string out(page.substr(0, at));
  out += meta;
  out += page.substr(at);
  return out;
}

}  // namespace velmora
