#pragma once
// The embedded browser as the program uses it: navigation, the completion and
// progress events, and a small document object model. Document texts cross
// this interface as GBK; the implementation converts at its edge. Operations
// that read or change the document are synchronous for the caller.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

struct BrowserElement {
  std::string tagName;  // upper case, such as INPUT
  std::string type;
  std::string name;
  std::string value;
};

// Identifies the window object a completion event is about: the top-level
// document or one of its frames.
using BrowserWindow = std::uintptr_t;

class Browser {
 public:
  virtual ~Browser() = default;

  // A local file path as the file system names it (UTF-8) or a web address;
  // returns at once.
  virtual void Navigate(const std::string& address) = 0;
  // Called on the user-interface thread when a document (top-level or frame)
  // has loaded, with the window object it belongs to.
  virtual void OnDocumentComplete(std::function<void(BrowserWindow window)> handler) = 0;
  // Called on the user-interface thread each time the browser reports progress.
  virtual void OnProgress(std::function<void()> handler) = 0;
  virtual BrowserWindow TopLevelWindow() = 0;

  virtual std::string Title() = 0;
  // The rendered text of the body, lines separated by CR LF.
  virtual std::string BodyText() = 0;
  // The body element's own markup, as the browser serialises it.
  virtual std::string BodyHtml() = 0;
  // The whole document as the browser holds it, for saving.
  virtual std::string DocumentHtml() = 0;

  // Every element of the document in document order ("all").
  virtual std::vector<BrowserElement> Elements() = 0;
  virtual void SetElementValue(int index, const std::string& value) = 0;
  virtual void SetElementChecked(int index, bool checked) = 0;
  virtual void ClickElement(int index) = 0;

  // The forms of the document and their controls, each in index order.
  virtual int FormCount() = 0;
  virtual std::vector<BrowserElement> FormControls(int form) = 0;
  // False when the control cannot be written (it has gone, or refuses a value).
  virtual bool SetFormControlValue(int form, int control, const std::string& value) = 0;
  virtual void SubmitForm(int form) = 0;

  virtual void HideHorizontalOverflow() = 0;
  // Text size step 0..4, 2 being the middle.
  virtual void SetTextSizeStep(int step) = 0;
};

}  // namespace velmora
