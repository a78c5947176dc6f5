// Screenshots of the main window as a user sees it, for review: start-up, each
// work panel and the open calendar drop-down. Run by scripts/screenshots.sh.

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include "app/chn_calendar_picker.h"
#include "app/qt_dialogs.h"
#include "app/secondary_windows.h"
#include "app/tform1.h"
#include "platform/qt/local_file_scheme.h"

namespace {

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void Save(const QString& name, const QRect& area) {
  QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
      .save(qEnvironmentVariable("VELMORA_SCREENSHOTS") + "/" + name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
  velmora::RegisterLocalFileScheme();
  QApplication application(argc, argv);
  application.setApplicationDisplayName(QString::fromUtf8("电脑Velmora"));
  const std::string folder = VELMORA_PROGRAM_FOLDER "/";
  QDir::setCurrent(QString::fromStdString(folder));
  velmora::QtDialogs dialogs;
  velmora::TForm1 window(folder, dialogs);
  dialogs.SetParent(&window);
  window.move(40, 40);
  window.show();
  Wait(3000);
  const QRect frame = window.frameGeometry();
  Save("main", frame);
  const std::pair<velmora::WorkPanel, const char*> panels[] = {
      {velmora::WorkPanel::GenderPanel, "panel_gender"},
      {velmora::WorkPanel::NamePickerPanel, "panel_name_picker"},
      {velmora::WorkPanel::CalendarPanel, "panel_calendar"},
      {velmora::WorkPanel::ReportViewerPanel, "panel_report_viewer"},
  };
  for (const auto& [panel, name] : panels) {
    window.ShowWorkPanel(panel);
    Wait(500);
    Save(name, frame);
  }
  window.chnclndrpckr1->DropDown();
  Wait(800);
  Save("calendar_dropdown", frame.adjusted(0, 0, 200, 150));
  return 0;
}
