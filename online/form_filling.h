#pragma once
// Filling and pressing the controls of a page through the browser interface.

#include <optional>
#include <string>

#include "platform/browser.h"

namespace velmora {

// Sets the value of every form control called `name`; a page without such a
// control is left as it is.
void SetFormField(Browser& page, const std::string& name, const std::string& value);

// The index of the first INPUT element of type "button" in document order.
std::optional<int> FirstButtonInput(Browser& page);

}  // namespace velmora
