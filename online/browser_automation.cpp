#include "online/browser_automation.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <vector>

#include "text/gbk.h"

namespace velmora {
namespace {

bool IsRadio(const BrowserElement& element) {
  std::string type = element.type;
  std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::toupper(c); });
  return element.tagName == "INPUT" && type == "RADIO";
}

// Ticks every radio button the predicate accepts.
template <typename Matches>
void CheckRadios(Browser& page, Matches matches) {
  const std::vector<BrowserElement> elements = page.Elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (IsRadio(elements[i]) && matches(elements[i].value)) page.SetElementChecked(static_cast<int>(i), true);
  }
}

// The radio value read as a number the way the page's scripting compares it
// with a number: blanks around it allowed, anything else is an error.
double NumericValue(const std::string& value) {
  const std::size_t first = value.find_first_not_of(' ');
  const std::size_t last = value.find_last_not_of(' ');
  double number = 0;
  if (first != std::string::npos) {
    const char* begin = value.data() + first;
    const char* end = value.data() + last + 1;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error == std::errc() && stop == end) return number;
  }
  throw std::runtime_error("Could not convert variant of type (String) into type (Double): '" + GbkToUtf8(value) + "'");
}

}  // namespace

bool SetFormField(Browser& page, const std::string& name, const std::string& value) {
  bool set = false;
  const int forms = page.FormCount();
  for (int form = 0; form < forms; ++form) {
    const std::vector<BrowserElement> controls = page.FormControls(form);
    for (std::size_t control = 0; control < controls.size(); ++control) {
      if (controls[control].name != name) continue;
      if (!page.SetFormControlValue(form, static_cast<int>(control), value)) return set;
      set = true;
    }
  }
  return set;
}

bool SubmitAllForms(Browser* page) {
  if (!page) return false;
  const int forms = page->FormCount();
  for (int form = 0; form < forms; ++form) page->SubmitForm(form);
  return true;
}

bool ClickFirstSubmit(Browser& page, SubmitName rule) {
  const std::vector<BrowserElement> elements = page.Elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const BrowserElement& element = elements[i];
    if (element.tagName != "INPUT" || element.type != "submit") continue;
    if (rule == SubmitName::MustBeEmpty && !element.name.empty()) continue;
    page.ClickElement(static_cast<int>(i));
    return true;
  }
  return false;
}

void CheckRadioByValue(Browser& page, const std::string& value) {
  CheckRadios(page, [&value](const std::string& candidate) { return candidate == value; });
}

void CheckRadioByValue(Browser& page, int value) {
  CheckRadios(page, [value](const std::string& candidate) { return NumericValue(candidate) == value; });
}

std::optional<int> FirstButtonInput(Browser& page) {
  const std::vector<BrowserElement> elements = page.Elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].tagName == "INPUT" && elements[i].type == "button") return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string ReadTitle(Browser& page) { return page.Title(); }

std::string ReadBodyText(Browser& page) { return page.BodyText(); }

std::string ReadBodyHtml(Browser& page) { return page.BodyHtml(); }

bool IsTopLevelCompletion(Browser& page, BrowserWindow window) { return window == page.TopLevelWindow(); }

}  // namespace velmora
