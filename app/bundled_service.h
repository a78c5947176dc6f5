#pragma once
// The answering service bundled with the program: started as a child process
// when some reading uses it ("base=local"), its address read from the first
// line it prints, and ended with the program. The child is told by the kernel
// to stop when the program dies, so it never outlives a crash.

#include <QObject>
#include <QProcess>

#include "online/service_addresses.h"

namespace velmora {

class BundledService : public QObject {
  Q_OBJECT
 public:
  // Reads nothing and starts nothing yet.
  BundledService(std::string programFolder, ServiceAddresses& addresses, QObject* parent = nullptr);
  ~BundledService() override;

  // Starts the child when a service is local; Ready follows in every case,
  // at once when nothing needs starting.
  void Start();
  // Waits (at most the time a start takes) until the child has told its
  // address or has failed; commands call it before they build an address.
  void WaitUntilReady();
  bool IsReady() const { return ready_; }
  // Ends the child: SIGTERM, then SIGKILL when it does not end in time.
  void Stop();

 signals:
  // The addresses are final: the local base is set, or stays unreachable.
  void Ready();

 private:
  void ReadAddress();
  void BecomeReady();

  std::string programFolder_;
  ServiceAddresses& addresses_;
  QProcess process_;
  QByteArray firstLine_;
  bool ready_ = false;
};

}  // namespace velmora
