// Measures start-up as a user sees it: from process start to the main window
// painted with the start page loaded; then, once the bundled service listens,
// the memory of the program, its browser processes and the service
// (proportional set size, so shared pages are counted once). Run by
// scripts/measure_startup.sh.

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QWebEngineView>
#include <cstdio>
#include <ctime>

#include "app/bundled_service.h"
#include "app/qt_dialogs.h"
#include "app/secondary_windows.h"
#include "app/tform1.h"
#include "platform/qt/local_file_scheme.h"

namespace {

// Milliseconds since this process started, from the kernel's start time.
double MillisecondsSinceProcessStart() {
  QFile stat("/proc/self/stat");
  stat.open(QIODevice::ReadOnly);
  const QList<QByteArray> fields = stat.readAll().split(' ');
  const double startTicks = fields.value(21).toDouble();
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / sysconf(_SC_CLK_TCK)) * 1000.0;
}

long ProportionalKilobytes(const QString& pid) {
  QFile rollup("/proc/" + pid + "/smaps_rollup");
  if (!rollup.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : rollup.readAll().split('\n')) {
    if (line.startsWith("Pss:")) return line.mid(4).trimmed().split(' ').value(0).toLong();
  }
  return 0;
}

// The memory of the processes whose command line names the program.
long ProcessKilobytes(const QByteArray& program) {
  long total = 0;
  QDirIterator processes("/proc", QDir::Dirs | QDir::NoDotAndDotDot);
  while (processes.hasNext()) {
    const QString pid = QFileInfo(processes.next()).fileName();
    QFile command("/proc/" + pid + "/cmdline");
    if (!command.open(QIODevice::ReadOnly)) continue;
    if (command.readAll().contains(program)) total += ProportionalKilobytes(pid);
  }
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  velmora::RegisterLocalFileScheme();
  QApplication application(argc, argv);
  const std::string folder = VELMORA_PROGRAM_FOLDER "/";
  QDir::setCurrent(QString::fromStdString(folder));
  velmora::QtDialogs dialogs;
  velmora::TForm1 window(folder, dialogs);
  QSignalSpy loaded(window.webbrowser1, &QWebEngineView::loadFinished);
  const velmora::SecondaryWindows windows = velmora::CreateSecondaryWindows(&window);
  window.SetSecondaryWindows(&windows);
  window.show();
  if (loaded.isEmpty() && !loaded.wait(30000)) return 1;
  application.processEvents();  // the first paint with the page
  const double elapsed = MillisecondsSinceProcessStart();
  std::printf("start page loaded in the painted main window after %.0f ms\n", elapsed);
  window.Service().WaitUntilReady();
  std::printf("memory (PSS): program %ld MB, browser processes %ld MB, answering service %ld MB\n",
              ProportionalKilobytes(QString::number(QCoreApplication::applicationPid())) / 1024,
              ProcessKilobytes("QtWebEngineProcess") / 1024, ProcessKilobytes("velmora-services") / 1024);
  return 0;
}
