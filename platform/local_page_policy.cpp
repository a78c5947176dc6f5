#include "platform/local_page_policy.h"

#include <algorithm>

#include "text/ascii_case.h"

namespace velmora {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\f";

// Where the meta element goes: after the comments and the document type
// declaration that open the page, which a browser reads before any element;
// at the start when they are not closed, where nothing can swallow it.
std::size_t PolicyPlace(std::string_view page) {
  std::size_t at = std::min(page.find_first_not_of(kBlanks), page.size());
  while (StartsWithNoCase(page.substr(at), "<!--")) {
    const std::size_t end = page.find("-->", at + 4);
    if (end == std::string_view::npos) return 0;
    at = std::min(page.find_first_not_of(kBlanks, end + 3), page.size());
  }
  if (!StartsWithNoCase(page.substr(at), "<!doctype")) return 0;
  const std::size_t end = page.find('>', at);
  return end == std::string_view::npos ? 0 : end + 1;
}

}  // namespace

std::string WithLocalPagePolicy(std::string_view page) {
  const std::size_t at = PolicyPlace(page);
  std::string out(page.substr(0, at));
  out += "<meta http-equiv=\"Content-Security-Policy\" content=\"";
  out += kLocalPagePolicy;
  out += "\">";
  out += page.substr(at);
  return out;
}

}  // namespace velmora
