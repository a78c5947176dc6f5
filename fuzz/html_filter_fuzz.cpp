// The filter of answer pages on any markup: it never fails, its lines end in
// CR LF, and what it writes, read again as a browser reads it, holds nothing
// that runs code or pulls in another document, however the input hid it
// (case, broken tags, entities, blanks and control bytes inside addresses).

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

void CheckElement(const GumboElement& element) {
  for (const GumboTag tag : {GUMBO_TAG_SCRIPT, GUMBO_TAG_STYLE, GUMBO_TAG_IFRAME, GUMBO_TAG_FRAME, GUMBO_TAG_FRAMESET,
                             GUMBO_TAG_OBJECT, GUMBO_TAG_EMBED, GUMBO_TAG_APPLET, GUMBO_TAG_BASE, GUMBO_TAG_LINK,
                             GUMBO_TAG_META, GUMBO_TAG_NOSCRIPT, GUMBO_TAG_SVG, GUMBO_TAG_MATH}) {
    Check(element.tag != tag, "an element that runs code or loads a document is written out");
  }
  for (unsigned i = 0; i < element.attributes.length; ++i) {
    const auto& attribute = *static_cast<const GumboAttribute*>(element.attributes.data[i]);
    std::string name(attribute.name);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    Check(!name.starts_with("on") && name != "srcdoc" && name != "http-equiv", "a handler attribute is written out");
    const std::string form = SchemeForm(attribute.value);
    if (name == "href" || name == "src" || name == "action" || name == "formaction" || name == "background" ||
        name == "lowsrc" || name == "dynsrc" || name == "data" || name == "codebase" || name == "xlink:href") {
      Check(!form.starts_with("javascript:") && !form.starts_with("vbscript:"), "a script address is written out");
    }
    if (name == "style") Check(form.find("expression(") == std::string::npos, "a style expression is written out");
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
