#include "app/online_window.h"

#include <QPlainTextEdit>
#include <QStringList>

#include "app/gradient_progress.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"

namespace velmora {

GradientProgress* ProgressBar(QWidget* window, const QRect& geometry) {
  auto* bar = new GradientProgress(window);
  bar->setObjectName("GradProgress1");
  bar->setGeometry(geometry);
  return bar;
}

QtBrowser* WorkerBrowser(QWidget* window, const char* name, GradientProgress* bar,
                         std::function<void(BrowserWindow)> complete) {
  auto* browser = new QtBrowser(static_cast<QObject*>(window));
  browser->setObjectName(name);
  browser->OnDocumentComplete(std::move(complete));
  browser->OnProgress([bar] { bar->Advance(); });
  return browser;
}

QPlainTextEdit* ResultText(QWidget* window, const char* name, const QRect& geometry) {
  auto* box = new QPlainTextEdit(window);
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setGeometry(geometry);
  return box;
}

void ShowFromTop(QPlainTextEdit* box, const LineBuffer& lines) {
  QStringList text;
  for (const std::string& line : lines.Lines()) text << FromGbk(line);
  box->setPlainText(text.join('\n'));
  box->moveCursor(QTextCursor::Start);
  box->ensureCursorVisible();
}

}  // namespace velmora
