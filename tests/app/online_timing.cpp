// Measures the online chart readings as a user sees them: from the command to
// the published page loaded in the viewer, with the bundled service, on a
// copy of the program folder. Run by scripts/measure_startup.sh.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <cstdio>
#include <filesystem>

#include "app/bundled_service.h"
#include "app/chn_calendar_picker.h"
#include "app/qt_dialogs.h"
#include "app/tform1.h"
#include "online/bazi_readings.h"
#include "online/browser_automation.h"
#include "platform/qt/browser_engine.h"
#include "platform/qt/qt_browser.h"

int main(int argc, char** argv) {
  velmora::PrepareBrowserEngine();
  QApplication application(argc, argv);
  QTemporaryDir copy;
  const std::string folder = copy.path().toStdString() + "/";
  std::filesystem::copy(VELMORA_PROGRAM_FOLDER, folder, std::filesystem::copy_options::recursive);
  QDir::setCurrent(QString::fromStdString(folder));
  velmora::QtDialogs dialogs;
  velmora::TForm1 window(folder, dialogs);
  window.show();
  window.Service().WaitUntilReady();
  if (!QTest::qWaitFor([&] { return window.HiddenBrowser(1).FormCount() == 1 && window.HiddenBrowser(2).FormCount() == 1; },
                       30000)) {
    return 1;
  }
  window.chnclndrpckr1->SetDateTime({{1990, 5, 27}, 11, 0, 0});
  window.cbb1->setCurrentIndex(11);
  const std::pair<void (velmora::TForm1::*)(), const char*> commands[] = {
      {&velmora::TForm1::N4Click, "四柱批命"}, {&velmora::TForm1::N16Click, "八字批命"}};
  for (int round = 0; round < 3; ++round) {
    for (const auto& [command, name] : commands) {
      // Each form page is back in place before the next command.
      if (!QTest::qWaitFor(
              [&] { return window.HiddenBrowser(1).FormCount() == 1 && window.HiddenBrowser(2).FormCount() == 1; }, 10000)) {
        return 1;
      }
      QSignalSpy published(window.webbrowser1, &QWebEngineView::loadFinished);
      QElapsedTimer clock;
      clock.start();
      (window.*command)();
      if (!published.wait(20000)) return 1;
      std::printf("%s: command to published page loaded %lld ms\n", name, clock.elapsed());
    }
  }
  return 0;
}
