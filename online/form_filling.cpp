#include "online/form_filling.h"

#include <vector>

namespace velmora {

void SetFormField(Browser& page, const std::string& name, const std::string& value) {
  const std::vector<BrowserElement> elements = page.Elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const std::string& tag = elements[i].tagName;
    const bool control = tag == "INPUT" || tag == "SELECT" || tag == "TEXTAREA";
    if (control && elements[i].name == name) page.SetElementValue(static_cast<int>(i), value);
  }
}

std::optional<int> FirstButtonInput(Browser& page) {
  const std::vector<BrowserElement> elements = page.Elements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].tagName == "INPUT" && elements[i].type == "button") return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace velmora
