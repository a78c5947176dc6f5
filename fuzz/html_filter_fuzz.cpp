// The filter of answer pages on any markup: it never fails, its lines end in
// CR LF, and what it writes, read again as a browser reads it, holds nothing
// that runs code, pulls in another document, sends a form or points outside
// the web, however the input hid it (case, broken tags, entities, blanks and
// control bytes inside addresses, escapes inside styles).

#include <gumbo.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "fuzz/fuzz_input.h"
#include "online/html_filter.h"
#include "text/gbk.h"

namespace velmora::fuzz {
namespace {

// The address as a browser reads its scheme: without blanks and control
// characters, in lower case.
std::string SchemeForm(const char* value) {
  std::string form;
  for (const char* c = value; *c != '\0'; ++c) {
    if (static_cast<unsigned char>(*c) > 0x20) form += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  }
  return form;
}

// The scheme of an address as a browser reads it: letters before a ":",
// or nothing for a relative address.
std::string SchemeOf(const char* value) {
  const std::string form = SchemeForm(value);
  const size_t colon = form.find(':');
  if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(form[0]))) return "";
  for (size_t i = 0; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(form[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return "";
  }
  return form.substr(0, colon);
}

void CheckElement(const GumboElement& element) {
  for (const GumboTag tag : {GUMBO_TAG_SCRIPT, GUMBO_TAG_STYLE, GUMBO_TAG_IFRAME, GUMBO_TAG_FRAME, GUMBO_TAG_FRAMESET,
                             GUMBO_TAG_OBJECT, GUMBO_TAG_EMBED, GUMBO_TAG_APPLET, GUMBO_TAG_BASE, GUMBO_TAG_LINK,
                             GUMBO_TAG_META, GUMBO_TAG_NOSCRIPT, GUMBO_TAG_SVG, GUMBO_TAG_MATH}) {
    Check(element.tag != tag, "an element that runs code or loads a document is written out");
  }
  for (const GumboTag tag : {GUMBO_TAG_FORM, GUMBO_TAG_INPUT, GUMBO_TAG_SELECT, GUMBO_TAG_TEXTAREA, GUMBO_TAG_BUTTON,
                             GUMBO_TAG_KEYGEN}) {
    Check(element.tag != tag, "a form or one of its controls is written out");
  }
  for (unsigned i = 0; i < element.attributes.length; ++i) {
    const auto& attribute = *static_cast<const GumboAttribute*>(element.attributes.data[i]);
    std::string name(attribute.name);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    Check(!name.starts_with("on") && name != "srcdoc" && name != "http-equiv", "a handler attribute is written out");
    Check(name != "srcset" && name != "ping" && name != "target", "an attribute that loads or opens is written out");
    if (name == "href" || name == "src" || name == "action" || name == "formaction" || name == "background" ||
        name == "lowsrc" || name == "dynsrc" || name == "data" || name == "codebase" || name == "xlink:href" ||
        name == "poster" || name == "cite" || name == "longdesc") {
      const std::string scheme = SchemeOf(attribute.value);
      Check(scheme.empty() || scheme == "http" || scheme == "https", "an address outside the web is written out");
    }
    if (name == "style") {
      const std::string form = SchemeForm(attribute.value);
      for (const char* bad : {"expression(", "url(", "@import", "image-set(", "\\"}) {
        Check(form.find(bad) == std::string::npos, "a style that loads or runs something is written out");
      }
    }
  }
}

void CheckTree(const GumboNode& node) {
  Check(node.type != GUMBO_NODE_COMMENT, "a comment is written out");
  if (node.type != GUMBO_NODE_ELEMENT && node.type != GUMBO_NODE_DOCUMENT) return;
  const GumboVector& children = node.type == GUMBO_NODE_ELEMENT ? node.v.element.children : node.v.document.children;
  if (node.type == GUMBO_NODE_ELEMENT) CheckElement(node.v.element);
  for (unsigned i = 0; i < children.length; ++i) CheckTree(*static_cast<const GumboNode*>(children.data[i]));
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::fuzz;
  // A page is read whole; past 64 KiB inputs only cost time.
  if (size > 64 * 1024) return 0;
  const std::string out = velmora::FilterAnswerHtml(Bytes(data, size));
  for (size_t at = out.find('\n'); at != std::string::npos; at = out.find('\n', at + 1)) {
    Check(at > 0 && out[at - 1] == '\r', "every line ends in CR LF");
  }
  // Read again as the viewer reads it: GBK.
  const std::string utf8 = velmora::GbkToUtf8(out);
  const std::unique_ptr<GumboOutput, void (*)(GumboOutput*)> tree(
      gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size()),
      [](GumboOutput* parsed) { gumbo_destroy_output(&kGumboDefaultOptions, parsed); });
  CheckTree(*tree->document);
  return 0;
}
