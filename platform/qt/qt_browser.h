#pragma once
// The browser interface over Qt WebEngine. Each document operation runs as a
// small script and waits for its answer in a local event loop, so callers see
// the synchronous operations they expect.

#include <QObject>
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
  void OnDocumentComplete(std::function<void(bool topLevel)> handler) override;
  void OnProgress(std::function<void(int percent)> handler) override;
  std::string Title() override;
  std::string BodyText() override;
  std::string BodyHtml() override;
  std::string DocumentHtml() override;
  std::vector<BrowserElement> Elements() override;
  void SetElementValue(int index, const std::string& value) override;
  void SetElementChecked(int index, bool checked) override;
  void ClickElement(int index) override;
  int FormCount() override;
  void SubmitForm(int index) override;
  void HideHorizontalOverflow() override;
  void SetTextSizeStep(int step) override;

 private:
  void Connect();
  QVariant RunScript(const QString& script);

  QWebEnginePage* page_;
  std::function<void(bool)> documentComplete_;
  std::function<void(int)> progress_;
};

}  // namespace velmora
