// The main window on a real X11 display (run under xvfb-run): what the window
// manager reads as its caption and where the window first stands. The
// offscreen platform used by the other window tests has no window manager
// properties to read.

#include <xcb/xcb.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <filesystem>

#include "app/application.h"
#include "app/qt_dialogs.h"
#include "app/tform1.h"
#include "platform/qt/browser_engine.h"
#include "tests/test_folder.h"

using namespace velmora;

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

// The caption as the window manager reads it: the window's _NET_WM_NAME.
QString WindowManagerCaption(QWidget* window) {
  xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()), Atom(connection, "_NET_WM_NAME"),
                       Atom(connection, "UTF8_STRING"), 0, 1024);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  if (!reply) return QString();
  const QString caption = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                            xcb_get_property_value_length(reply));
  std::free(reply);
  return caption;
}

}  // namespace

class MainWindowX11Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::CopyBuiltDatabases(folder_); }

  void TheWindowManagerShowsExactlyTheCaption() {
    TForm1 window(folder_.Path(), dialogs_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(WindowManagerCaption(&window), QString::fromUtf8("Velmora  V2014 build 01.01"));
  }

  void MessageBoxesKeepTheirOwnCaption() {
    TForm1 window(folder_.Path(), dialogs_);
    window.show();
    QtDialogs dialogs(&window);
    QString caption;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QTRY_VERIFY(box && box->isVisible() && QTest::qWaitForWindowExposed(box));
      caption = WindowManagerCaption(box);
      box->accept();
    });
    dialogs.ShowMessage("x");
    QCOMPARE(caption, QString::fromUtf8("电脑Velmora"));
  }

  void TheMainWindowIsCentredOnTheDesktop() {
    TForm1 window(folder_.Path(), dialogs_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().center(), window.screen()->availableGeometry().center());
  }

 private:
  testing::TestFolder folder_;
  QtDialogs dialogs_;
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  PrepareBrowserEngine();
  QApplication application(argc, argv);
  SetUpApplication(application);
  MainWindowX11Test test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_window_x11_test.moc"
