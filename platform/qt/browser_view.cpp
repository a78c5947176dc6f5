#include "platform/qt/browser_view.h"

#include <QPointer>
#include <QWebEnginePage>

namespace velmora {
namespace {

const QSize kNewWindowSize(450, 300);

}  // namespace

BrowserView::BrowserView(QWidget* parent) : QWebEngineView(parent) {}

// The window the opening script holds and writes into stays hidden; what it
// holds once loaded is shown in a fresh view. The browser engine of Qt 6.4
// crashes when it paints a window whose document another page wrote.
QWebEngineView* BrowserView::createWindow(QWebEnginePage::WebWindowType) {
  auto* written = new QWebEngineView(this);
  written->hide();
  auto* shown = new BrowserView(this);
  shown->setWindowFlag(Qt::Window);
  shown->setAttribute(Qt::WA_DeleteOnClose);
  shown->resize(kNewWindowSize);
  shown->move(window()->geometry().center() - shown->rect().center());
  connect(shown, &QObject::destroyed, written, &QObject::deleteLater);
  connect(written->page(), &QWebEnginePage::geometryChangeRequested, shown,
          [shown](const QRect& requested) { shown->resize(requested.size()); });
  connect(written->page(), &QWebEnginePage::loadFinished, shown, [written, shown](bool) {
    written->page()->toHtml([shown = QPointer<BrowserView>(shown), base = written->url()](const QString& html) {
      if (!shown) return;
      shown->setHtml(html, base);
      shown->show();
    });
  });
  connect(written->page(), &QWebEnginePage::windowCloseRequested, shown, &QWidget::close);
  connect(shown->page(), &QWebEnginePage::windowCloseRequested, shown, &QWidget::close);
  return written;
}

}  // namespace velmora
