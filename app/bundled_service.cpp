#include "app/bundled_service.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

#include <QDeadlineTimer>
#include <QTimer>

namespace velmora {
namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kStopTimeoutMs = 2000;

}  // namespace

BundledService::BundledService(std::string programFolder, ServiceAddresses& addresses, QObject* parent)
    : QObject(parent), programFolder_(std::move(programFolder)), addresses_(addresses) {
  // The request log goes where the program's own messages go.
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  connect(&process_, &QProcess::readyReadStandardOutput, this, &BundledService::ReadAddress);
  connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError) { BecomeReady(); });
  connect(&process_, &QProcess::finished, this, [this] { BecomeReady(); });
}

BundledService::~BundledService() { Stop(); }

void BundledService::Start() {
  if (!addresses_.AnyLocal()) {
    QTimer::singleShot(0, this, &BundledService::BecomeReady);
    return;
  }
  const pid_t parent = getpid();
  process_.setChildProcessModifier([parent] {
    // Runs in the child before exec: die with the program, even if it is
    // killed, and do not start at all if it already died.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
  });
  process_.start(QString::fromStdString(programFolder_ + "velmora-services"),
                 {"--listen", "127.0.0.1:0", "--folder", QString::fromStdString(programFolder_)});
}

void BundledService::ReadAddress() {
  if (ready_) {
    process_.readAllStandardOutput();  // nothing more is expected
    return;
  }
  firstLine_ += process_.readAllStandardOutput();
  const int end = firstLine_.indexOf('\n');
  if (end < 0) return;
  if (const std::optional<std::string> address = ListeningAddress(firstLine_.left(end).toStdString())) {
    addresses_.SetLocalBase("http://" + *address);
  }
  BecomeReady();
}

void BundledService::BecomeReady() {
  if (ready_) return;
  ready_ = true;
  emit Ready();
}

void BundledService::WaitUntilReady() {
  const QDeadlineTimer deadline(kStartTimeoutMs);
  while (!ready_ && process_.state() != QProcess::NotRunning && !deadline.hasExpired()) {
    if (process_.state() == QProcess::Starting) {
      process_.waitForStarted(static_cast<int>(deadline.remainingTime()));
    } else if (process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
      ReadAddress();
    }
  }
  if (!ready_ && addresses_.AnyLocal() && process_.state() == QProcess::NotRunning) BecomeReady();
}

void BundledService::Stop() {
  // Whoever listened may be going away with the program.
  process_.disconnect(this);
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(kStopTimeoutMs)) {
    process_.kill();
    process_.waitForFinished(kStopTimeoutMs);
  }
}

}  // namespace velmora
