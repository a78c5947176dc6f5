#pragma once
// Filling, pressing and reading the pages of an embedded browser: the shared
// operations every form-driven reading is built from. Texts are GBK.

#include <optional>
#include <string>

#include "platform/browser.h"

namespace velmora {

// Sets the value of every control called `name` (exact, case-sensitive) in
// every form; true when at least one was set. A control that cannot be written
// ends the scan with the result reached so far. Controls outside forms are not
// looked at.
bool SetFormField(Browser& page, const std::string& name, const std::string& value);

// Submits every form of the document in document order (the last navigation
// wins); false only when there is no browser.
bool SubmitAllForms(Browser* page);

enum class SubmitName { Any, MustBeEmpty };
// Clicks the first INPUT of type "submit" in document order (with the variant,
// the first whose name is empty); true when one was clicked.
bool ClickFirstSubmit(Browser& page, SubmitName rule = SubmitName::Any);

// Ticks every radio button whose value equals the text.
void CheckRadioByValue(Browser& page, const std::string& value);
// Ticks every radio button whose value is the number; throws
// std::runtime_error (UTF-8 text) at the first radio button whose value is not
// a number, after ticking the matching ones before it.
void CheckRadioByValue(Browser& page, int value);

// The index of the first INPUT element of type "button" in document order.
std::optional<int> FirstButtonInput(Browser& page);

std::string ReadTitle(Browser& page);
std::string ReadBodyText(Browser& page);
std::string ReadBodyHtml(Browser& page);

// True when the completed window object is the browser's top-level document.
bool IsTopLevelCompletion(Browser& page, BrowserWindow window);

}  // namespace velmora
