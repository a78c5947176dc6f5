// Measures start-up as a user sees it: from process start to the main window
// painted with the start page loaded, and the processor time the program's
// own thread spent until then (which other work on the machine disturbs
// less); then, once the bundled service listens, the memory of the program,
// its browser processes and the service (proportional set size, so shared
// pages are counted once; only processes this one started, not those of
// other programs on the machine). Run by scripts/measure_startup.sh, on the
// build's program folder or the one named as the first argument.

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMultiHash>
#include <QSignalSpy>
#include <QWebEngineView>
#include <cstdio>
#include <ctime>

#include "app/bundled_service.h"
#include "app/qt_dialogs.h"
#include "app/secondary_windows.h"
#include "app/tform1.h"
#include "platform/qt/browser_engine.h"

namespace {

// The fields of /proc/PID/stat after the command name (which may hold
// blanks): the state is at index 0, the parent at 1, the user and system
// processor times at 11 and 12, the start time at 19.
QList<QByteArray> StatFields(const QString& pid) {
  QFile stat("/proc/" + pid + "/stat");
  if (!stat.open(QIODevice::ReadOnly)) return {};
  const QByteArray text = stat.readAll();
  return text.mid(text.lastIndexOf(')') + 2).split(' ');
}

const QString kSelf = QStringLiteral("self");

double TicksToMilliseconds(double ticks) { return ticks * 1000.0 / sysconf(_SC_CLK_TCK); }

// Milliseconds since this process started, from the kernel's start time.
double MillisecondsSinceProcessStart() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return (now.tv_sec + now.tv_nsec / 1e9) * 1000.0 - TicksToMilliseconds(StatFields(kSelf).value(19).toDouble());
}

double ProcessorMilliseconds(const QString& pid) {
  const QList<QByteArray> fields = StatFields(pid);
  return TicksToMilliseconds(fields.value(11).toDouble() + fields.value(12).toDouble());
}

double ThreadProcessorMilliseconds() {
  timespec used{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
  return used.tv_sec * 1000.0 + used.tv_nsec / 1e6;
}

long ProportionalKilobytes(const QString& pid) {
  QFile rollup("/proc/" + pid + "/smaps_rollup");
  if (!rollup.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : rollup.readAll().split('\n')) {
    if (line.startsWith("Pss:")) return line.mid(4).trimmed().split(' ').value(0).toLong();
  }
  return 0;
}

// The processes this one started, at any depth.
QStringList Descendants() {
  QMultiHash<QString, QString> children;
  QDirIterator processes("/proc", QDir::Dirs | QDir::NoDotAndDotDot);
  while (processes.hasNext()) {
    const QString pid = QFileInfo(processes.next()).fileName();
    children.insert(QString::fromLatin1(StatFields(pid).value(1)), pid);
  }
  QStringList found;
  QStringList parents = {QString::number(QCoreApplication::applicationPid())};
  while (!parents.isEmpty()) {
    for (const QString& child : children.values(parents.takeFirst())) {
      found << child;
      parents << child;
    }
  }
  return found;
}

// The memory of the processes this one started whose command line names the program.
long ProcessKilobytes(const QByteArray& program) {
  long total = 0;
  for (const QString& pid : Descendants()) {
    QFile command("/proc/" + pid + "/cmdline");
    if (command.open(QIODevice::ReadOnly) && command.readAll().contains(program)) total += ProportionalKilobytes(pid);
  }
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  velmora::PrepareBrowserEngine();
  QApplication application(argc, argv);
  // Another program folder (an installed one, an older build) may be named.
  const std::string folder = (argc > 1 ? std::string(argv[1]) : std::string(VELMORA_PROGRAM_FOLDER)) + "/";
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
  const double mainThread = ThreadProcessorMilliseconds();
  double processor = ProcessorMilliseconds(kSelf);
  for (const QString& pid : Descendants()) processor += ProcessorMilliseconds(pid);
  std::printf("start page loaded in the painted main window after %.0f ms\n", elapsed);
  std::printf("processor time until then: main thread %.0f ms, the program with its processes %.0f ms\n",
              mainThread, processor);
  window.Service().WaitUntilReady();
  std::printf("memory (PSS): program %ld MB, browser processes %ld MB, answering service %ld MB\n",
              ProportionalKilobytes(QString::number(QCoreApplication::applicationPid())) / 1024,
              ProcessKilobytes("QtWebEngineProcess") / 1024, ProcessKilobytes("velmora-services") / 1024);
  return 0;
}
