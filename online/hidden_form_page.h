#pragma once
// The form page an online reading keeps in a hidden browser. It loads when
// the program is ready for it (after the main window has been painted) or
// when a command needs it first; a command that finds the browser elsewhere
// or still loading fills the form once it has loaded, so no command is lost
// to a page that is not the form. The reading that wishes it is also sent
// back to its form after any page that is not its answer. Titles are GBK.

#include <functional>
#include <string>

#include "platform/browser.h"

namespace velmora {

class HiddenFormPage {
 public:
  using Fill = std::function<void(Browser& page)>;

  // The browser, the form page's path and its title (GBK).
  HiddenFormPage(Browser& page, std::string address, std::string title);

  // Starts loading the form page unless the browser holds it or is loading it.
  void Load();

  // Fills and sends the form: at once when the browser holds the form page,
  // otherwise once it has loaded (the latest fill replaces one still
  // waiting). Whatever `fill` throws reaches the caller of the call that
  // runs it.
  void Send(Fill fill);

  // For every top-level completion that is not the reading's answer: on the
  // form page, runs the fill that waits. After any other page, with
  // `backToForm`, the form page is loaded again, except when the page that
  // completed was that very load failing (which would repeat for ever).
  void Completed(bool backToForm);

 private:
  bool HoldsForm();

  Browser& page_;
  std::string address_;
  std::string title_;
  bool asked_ = false;  // the form page has been loaded at least once
  bool loading_ = false;
  Fill waiting_;
};

}  // namespace velmora
