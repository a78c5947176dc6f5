#pragma once
// The page that counts the elements of a birth chart: a native component
// behind the browser interface, with a form of fields "y", "m", "d", "h" and a
// button. A click computes the four pillars and replaces the page's text:
// line 18 holds the counts of 金木水火土 at bytes 13 to 17, lines 30 to 39 the
// chart shown in the report.

#include <array>
#include <string>

#include "platform/browser.h"

namespace velmora {

class ElementCountPage : public Browser {
 public:
  ElementCountPage();

  // The page is built in; there is nothing to load.
  void Navigate(const std::string&) override {}
  void OnDocumentComplete(std::function<void(BrowserWindow)>) override {}
  void OnProgress(std::function<void()>) override {}
  BrowserWindow TopLevelWindow() override { return 1; }
  std::string Title() override;
  std::string BodyText() override { return bodyText_; }
  std::string BodyHtml() override { return bodyText_; }
  std::string DocumentHtml() override { return bodyText_; }
  std::vector<BrowserElement> Elements() override { return elements_; }
  void SetElementValue(int index, const std::string& value) override;
  void SetElementChecked(int, bool) override {}
  void ClickElement(int index) override;
  int FormCount() override { return 1; }
  std::vector<BrowserElement> FormControls(int form) override;
  bool SetFormControlValue(int form, int control, const std::string& value) override;
  void SubmitForm(int) override {}
  void HideHorizontalOverflow() override {}
  void SetTextSizeStep(int) override {}

 private:
  void Compute();
  std::vector<BrowserElement> elements_;
  std::string bodyText_;
};

}  // namespace velmora
