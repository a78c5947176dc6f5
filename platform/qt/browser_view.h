#pragma once
// A browser view that opens the windows its pages ask for (window.open): each
// becomes a small top-level browser window, 450 by 300 pixels or the size the
// page asks, centred on the view's window and closed when its page or the
// page that opened it closes it. A plain view gives pages no new windows.

#include <QWebEngineView>

namespace velmora {

class BrowserView : public QWebEngineView {
  Q_OBJECT
 public:
  explicit BrowserView(QWidget* parent = nullptr);

 protected:
  QWebEngineView* createWindow(QWebEnginePage::WebWindowType type) override;
};

}  // namespace velmora
