#pragma once
// What the main function of every window test does: the offscreen platform,
// WebEngine without sandbox or GPU (as root, without a display), the local
// file scheme, then the slots of the test object.

#include <QApplication>
#include <QTest>

#include "platform/qt/local_file_scheme.h"

namespace velmora::testing {

template <typename Test>
int RunWindowTest(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  RegisterLocalFileScheme();
  QApplication application(argc, argv);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace velmora::testing
