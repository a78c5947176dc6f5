#include "online/html_filter.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>

#include "text/ascii_case.h"
#include "text/gbk.h"
#include "text/utf8.h"

namespace velmora {
namespace {

// Elements dropped with everything inside them: what runs code, pulls in
// another document or style sheet, and the controls of forms.
constexpr std::array kDroppedTags = {
    GUMBO_TAG_SCRIPT,   GUMBO_TAG_STYLE,   GUMBO_TAG_IFRAME,   GUMBO_TAG_FRAME,    GUMBO_TAG_FRAMESET,
    GUMBO_TAG_OBJECT,   GUMBO_TAG_EMBED,   GUMBO_TAG_APPLET,   GUMBO_TAG_PARAM,    GUMBO_TAG_BASE,
    GUMBO_TAG_LINK,     GUMBO_TAG_META,    GUMBO_TAG_TITLE,    GUMBO_TAG_NOSCRIPT, GUMBO_TAG_TEMPLATE,
    GUMBO_TAG_SVG,      GUMBO_TAG_MATH,    GUMBO_TAG_NOFRAMES, GUMBO_TAG_INPUT,    GUMBO_TAG_SELECT,
    GUMBO_TAG_TEXTAREA, GUMBO_TAG_BUTTON,  GUMBO_TAG_KEYGEN,   GUMBO_TAG_DATALIST, GUMBO_TAG_OPTION,
    GUMBO_TAG_OPTGROUP, GUMBO_TAG_ISINDEX};

// Elements whose tags are dropped and whose content stays: a form would send
// what is typed into a local page to wherever it names.
constexpr std::array kUnwrappedTags = {GUMBO_TAG_FORM};

constexpr std::array kVoidTags = {GUMBO_TAG_AREA, GUMBO_TAG_BR,    GUMBO_TAG_COL,   GUMBO_TAG_HR,
                                  GUMBO_TAG_IMG,  GUMBO_TAG_INPUT, GUMBO_TAG_SOURCE, GUMBO_TAG_TRACK,
                                  GUMBO_TAG_WBR,  GUMBO_TAG_KEYGEN};

// Attributes whose value is an address the browser would follow or load.
constexpr std::array<std::string_view, 19> kAddressAttributes = {
    "href",     "src",     "action",     "formaction", "background", "lowsrc",  "dynsrc",
    "data",     "codebase", "cite",      "poster",     "xlink:href", "longdesc", "manifest",
    "icon",     "archive", "classid",    "profile",    "usemap"};

// Attributes dropped whatever their value: lists of addresses (srcset), an
// address told of every click (ping), a window opened with a handle on ours
// (target).
constexpr std::array<std::string_view, 6> kDroppedAttributes = {"srcdoc",  "http-equiv", "srcset",
                                                                "imagesrcset", "ping", "target"};

template <typename List, typename Value>
bool Contains(const List& list, const Value& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// The address as a browser reads its scheme: blanks and control characters
// inside it are skipped, letters compared without case.
std::string SchemeForm(std::string_view value) {
  std::string compact;
  for (const char c : value) {
    if (static_cast<unsigned char>(c) > ' ') compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return compact;
}

// The scheme of an address in lower case, or "" for a relative one. More
// bytes are left out than a browser leaves out, so an address a browser reads
// with a scheme is never taken for a relative one.
std::string SchemeOf(std::string_view value) {
  const std::string form = SchemeForm(value);
  const std::size_t colon = form.find(':');
  if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(form.front()))) return "";
  const bool scheme = std::all_of(form.begin(), form.begin() + static_cast<std::ptrdiff_t>(colon), [](unsigned char c) {
    return std::isalnum(c) || c == '+' || c == '-' || c == '.';
  });
  return scheme ? form.substr(0, colon) : "";
}

// Web addresses and relative ones: a local page must not point at local
// files, script or other schemes.
bool IsSafeAddress(std::string_view value) {
  const std::string scheme = SchemeOf(value);
  return scheme.empty() || scheme == "http" || scheme == "https";
}

// A style that loads nothing and runs nothing. An escape could spell any of
// these names, so a style holding one is dropped too.
bool IsSafeStyle(std::string_view value) {
  const std::string style = SchemeForm(value);
  for (const std::string_view bad : {"\\", "url(", "@import", "image(", "image-set(", "cross-fade(", "element(", "src(",
                                     "expression(", "javascript:", "vbscript:", "behavior:", "-moz-binding"}) {
    if (style.find(bad) != std::string::npos) return false;
  }
  return true;
}

// Names the filter writes back: plain letters, digits and a few joiners.
bool IsPlainName(std::string_view name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name.front()))) return false;
  return std::all_of(name.begin(), name.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '_' || c == ':' || c == '.';
  });
}

bool IsSafeAttribute(const GumboAttribute& attribute) {
  const std::string name = AsciiLowered(attribute.name);
  if (!IsPlainName(name) || name.starts_with("on") || Contains(kDroppedAttributes, name)) return false;
  if (Contains(kAddressAttributes, name)) return IsSafeAddress(attribute.value);
  if (name == "style") return IsSafeStyle(attribute.value);
  return true;
}

void Escape(std::string_view text, bool inAttribute, std::string& out) {
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += inAttribute ? "&quot;" : "\""; break;
      // A line break inside a value would end an output line without CR LF.
      case '\n': out += inAttribute ? "&#10;" : "\n"; break;
      case '\r': out += inAttribute ? "&#13;" : "\r"; break;
      default: out += c;
    }
  }
}

// An unknown tag's name exactly as the tokenizer read it: up to the first
// HTML blank, "/" or ">". (The library's own helper also stops at a vertical
// tab, which is part of the name: "<script\v>" would come out as "<script>".)
std::string TagName(const GumboElement& element) {
  if (element.tag != GUMBO_TAG_UNKNOWN) return gumbo_normalized_tagname(element.tag);
  std::string_view text(element.original_tag.data, element.original_tag.length);
  text.remove_prefix(std::min(text.size(), text.starts_with("</") ? std::size_t{2} : std::size_t{1}));
  return AsciiLowered(text.substr(0, text.find_first_of("\t\n\f\r />")));
}

bool WasWritten(const GumboNode& node) { return (node.parse_flags & GUMBO_INSERTION_IMPLIED) == 0; }

class Writer {
 public:
  void Node(const GumboNode& node) {
    switch (node.type) {
      case GUMBO_NODE_DOCUMENT: Children(node.v.document.children); break;
      case GUMBO_NODE_ELEMENT:
      case GUMBO_NODE_TEMPLATE: Element(node); break;
      case GUMBO_NODE_TEXT:
      case GUMBO_NODE_WHITESPACE:
      case GUMBO_NODE_CDATA: Text(node.v.text.text); break;
      case GUMBO_NODE_COMMENT: break;  // old browsers ran code in conditional comments
    }
  }

  std::string Take() { return std::move(out_); }

 private:
  // The parser reads every line end as LF; the program's texts break lines with CR LF.
  void Text(std::string_view text) {
    for (std::size_t start = 0;;) {
      const std::size_t end = text.find('\n', start);
      Escape(text.substr(start, end - start), false, out_);
      if (end == std::string_view::npos) return;
      out_ += "\r\n";
      start = end + 1;
    }
  }

  void Children(const GumboVector& children) {
    for (unsigned i = 0; i < children.length; ++i) Node(*static_cast<const GumboNode*>(children.data[i]));
  }

  void Element(const GumboNode& node) {
    const GumboElement& element = node.v.element;
    if (Contains(kDroppedTags, element.tag)) return;
    const std::string name = TagName(element);
    if (Contains(kDroppedTags, gumbo_tag_enum(name.c_str()))) return;
    const bool structural =
        element.tag == GUMBO_TAG_HTML || element.tag == GUMBO_TAG_HEAD || element.tag == GUMBO_TAG_BODY;
    // Implied structure was not in the answer; a name that is no plain tag
    // name is not written, only what it holds.
    const bool writeTags =
        IsPlainName(name) && (!structural || WasWritten(node)) && !Contains(kUnwrappedTags, element.tag);
    if (writeTags) {
      out_ += '<' + name;
      for (unsigned i = 0; i < element.attributes.length; ++i) {
        const auto& attribute = *static_cast<const GumboAttribute*>(element.attributes.data[i]);
        if (!IsSafeAttribute(attribute)) continue;
        out_ += ' ' + AsciiLowered(attribute.name) + "=\"";
        Escape(attribute.value, true, out_);
        out_ += '"';
      }
      out_ += '>';
    }
    if (Contains(kVoidTags, element.tag)) return;
    Children(element.children);
    if (writeTags) out_ += "</" + name + '>';
  }

  std::string out_;
};

// UTF-8 to GBK where every character GBK cannot hold becomes a character
// reference instead of a question mark. The parser's text is not always
// well-formed (a numeric reference too large for any character comes out as
// a stray byte): a byte that starts no character becomes "?".
std::string ToGbkMarkup(std::string_view utf8) {
  std::string gbk = Utf8ToGbk(utf8);
  if (std::count(gbk.begin(), gbk.end(), '?') == std::count(utf8.begin(), utf8.end(), '?')) return gbk;
  gbk.clear();
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = Utf8CharacterLength(utf8.substr(at));
    if (length == 0) {
      gbk += '?';
      ++at;
      continue;
    }
    const std::string_view character = utf8.substr(at, length);
    const std::string one = Utf8ToGbk(character);
    gbk += one == "?" && character != "?"
               ? "&#" + std::to_string(static_cast<unsigned long>(DecodeUtf8(character).front())) + ';'
               : one;
    at += length;
  }
  return gbk;
}

}  // namespace

std::string FilterAnswerHtml(std::string_view gbkHtml) {
  const std::string utf8 = GbkToUtf8(gbkHtml);
  const std::unique_ptr<GumboOutput, void (*)(GumboOutput*)> parsed(
      gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size()),
      [](GumboOutput* output) { gumbo_destroy_output(&kGumboDefaultOptions, output); });
  Writer writer;
  writer.Node(*parsed->document);
  return ToGbkMarkup(writer.Take());
}

}  // namespace velmora
