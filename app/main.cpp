// Velmora: the desktop program.

#include <QApplication>
#include <QDir>

#include "app/application.h"
#include "app/qt_dialogs.h"
#include "app/secondary_windows.h"
#include "app/stop_signals.h"
#include "app/tform1.h"
#include "platform/qt/browser_engine.h"
#include "refdb/connections.h"
#include "text/gbk.h"

int main(int argc, char** argv) {
  velmora::PrepareBrowserEngine();
  QApplication application(argc, argv);
  velmora::SetUpApplication(application);
  velmora::QtDialogs dialogs;
  std::string folder;
  try {
    folder = velmora::ProgramWorkingFolder();
  } catch (const std::exception& error) {
    dialogs.ShowMessage(velmora::Utf8ToGbk(error.what()));
    return 1;
  }
  QDir::setCurrent(QString::fromStdString(folder));

  velmora::TForm1 mainWindow(folder, dialogs);
  dialogs.SetParent(&mainWindow);
  const velmora::SecondaryWindows windows = velmora::CreateSecondaryWindows(&mainWindow);
  mainWindow.SetSecondaryWindows(&windows);
  velmora::StopOnSignals([&mainWindow] { mainWindow.close(); });
  mainWindow.show();
  return application.exec();
}
