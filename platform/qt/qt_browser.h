#pragma once
// The browser interface over Qt WebEngine. Each document operation runs as a
// small script and waits for its answer in a local event loop, so callers see
// the synchronous operations they expect.

#include <QObject>
#include <optional>
#include <string>
#include <QVariant>

#include "platform/browser.h"

class QWebEnginePage;
class QWebEngineView;

namespace velmora {

class QtBrowser : public QObject, public Browser {
  Q_OBJECT
 public:
  // A browser shown in a view.
  explicit QtBrowser(QWebEngineView* view);
  // A hidden browser: a page without a view.
  explicit QtBrowser(QObject* parent);

  QWebEnginePage* Page() const { return page_; }

  void Navigate(const std::string& address) override;
  // Shows the page at `address` as it now is, also when that address is on
  // show or still loading: the engine may drop a second load of an address
  // whose first load is under way, leaving the older page on show, so such a
  // load waits for the one under way to end.
  void ShowAnew(const std::string& address);
  void OnDocumentComplete(std::function<void(BrowserWindow window)> handler) override;
  void OnProgress(std::function<void()> handler) override;
  BrowserWindow TopLevelWindow() override { return kTopLevelWindow; }
  std::string Title() override;
  std::string BodyText() override;
  std::string BodyHtml() override;
  std::string DocumentHtml() override;
  std::vector<BrowserElement> Elements() override;
  void SetElementValue(int index, const std::string& value) override;
  void SetElementChecked(int index, bool checked) override;
  void ClickElement(int index) override;
  int FormCount() override;
  std::vector<BrowserElement> FormControls(int form) override;
  bool SetFormControlValue(int form, int control, const std::string& value) override;
  void SubmitForm(int form) override;
  void HideHorizontalOverflow() override;
  void SetTextSizeStep(int step) override;

 private:
  // What completion events carry: the document itself, or any of its frames.
  static constexpr BrowserWindow kTopLevelWindow = 1;
  static constexpr BrowserWindow kFrameWindow = 2;

  void Connect();
  QVariant RunScript(const QString& script);
  // Returns once the current document answers scripts (or gives up after a while).
  void WaitForScripting();
  std::vector<BrowserElement> ElementsOf(const QString& collection);

  QWebEnginePage* page_;
  bool loading_ = false;
  std::string loadingAddress_;                 // as last given to Navigate
  std::optional<std::string> waitingAddress_;  // for ShowAnew
  std::function<void(BrowserWindow)> documentComplete_;
  std::function<void()> progress_;
};

}  // namespace velmora
