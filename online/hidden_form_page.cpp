#include "online/hidden_form_page.h"

#include <utility>

#include "online/browser_automation.h"

namespace velmora {

HiddenFormPage::HiddenFormPage(Browser& page, std::string address, std::string title)
    : page_(page), address_(std::move(address)), title_(std::move(title)) {}

// A browser that never loaded the form page holds nothing worth asking.
bool HiddenFormPage::HoldsForm() { return asked_ && ReadTitle(page_) == title_; }

void HiddenFormPage::Load() {
  if (loading_ || HoldsForm()) return;
  asked_ = true;
  loading_ = true;
  page_.Navigate(address_);
}

void HiddenFormPage::Send(Fill fill) {
  if (HoldsForm()) {
    fill(page_);
    return;
  }
  waiting_ = std::move(fill);
  Load();
}

void HiddenFormPage::Completed(bool backToForm) {
  // A completion while the form loads may also be the end of the page it
  // replaced; the fill waits on until the form itself is there.
  const bool wasLoading = std::exchange(loading_, false);
  if (HoldsForm()) {
    if (waiting_) std::exchange(waiting_, nullptr)(page_);
    return;
  }
  if (backToForm && !wasLoading) Load();
}

}  // namespace velmora
