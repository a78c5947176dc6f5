// Velmora: the desktop program.

#include <QApplication>
#include <QDir>

#include "app/qt_dialogs.h"
#include "app/secondary_windows.h"
#include "app/stop_signals.h"
#include "app/tform1.h"
#include "platform/program_folder.h"
#include "platform/qt/local_file_scheme.h"

int main(int argc, char** argv) {
  velmora::RegisterLocalFileScheme();
  QApplication application(argc, argv);
  application.setApplicationDisplayName(QString::fromUtf8("电脑Velmora"));
  const std::string folder = velmora::ProgramFolder();
  QDir::setCurrent(QString::fromStdString(folder));

  velmora::QtDialogs dialogs;
  velmora::TForm1 mainWindow(folder, dialogs);
  dialogs.SetParent(&mainWindow);
  const velmora::SecondaryWindows windows = velmora::CreateSecondaryWindows(&mainWindow);
  mainWindow.SetSecondaryWindows(&windows);
  velmora::StopOnSignals([&mainWindow] { mainWindow.close(); });
  mainWindow.show();
  return application.exec();
}
