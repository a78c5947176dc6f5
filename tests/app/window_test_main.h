#pragma once
// The start of every window test: the offscreen platform, the browser engine
// as root without a GPU, the local file scheme, then the test object's slots.

#include <QApplication>
#include <QTest>

#include "platform/qt/browser_engine.h"

namespace velmora::testing {

inline int RunWindowTest(QObject& test, int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  PrepareBrowserEngine();
  QApplication application(argc, argv);
  return QTest::qExec(&test, argc, argv);
}

}  // namespace velmora::testing
