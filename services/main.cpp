// velmora-services: the answering service of Velmora's online readings.
// Prints "listening on HOST:PORT" as its first line, one line per request on
// standard error, and stops gracefully on SIGTERM or SIGINT.

#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <ctime>
#include <iostream>
#include <mutex>
#include <thread>

#include "platform/program_folder.h"
#include "services/http_server.h"
#include "services/service_options.h"
#include "services/sources.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kStartError = 1;

// "2026-12-09T15:04:05" in local time, the start of every log line.
std::string Timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

// Every connection holds a descriptor: take all the system allows (the soft
// limit is often 1024, the hard one far more), and admit no more connections
// than leave a reserve for the service's own files.
void FitConnectionsToDescriptors(velmora::services::ConnectionLimits& limits) {
  constexpr rlim_t kReserve = 64;
  rlimit files{};
  if (getrlimit(RLIMIT_NOFILE, &files) != 0) return;
  files.rlim_cur = files.rlim_max;
  setrlimit(RLIMIT_NOFILE, &files);
  getrlimit(RLIMIT_NOFILE, &files);
  if (files.rlim_cur != RLIM_INFINITY && files.rlim_cur < limits.total + kReserve) {
    limits.total = files.rlim_cur > 2 * kReserve ? files.rlim_cur - kReserve : files.rlim_cur / 2;
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velmora::services;
  // Descriptors the starting program left open (its browser's sockets among
  // them) are not ours to hold: keeping them would keep its helpers alive.
  close_range(3, ~0U, 0);
  std::string error;
  const std::optional<ServiceOptions> options = ParseServiceOptions({argv + 1, argv + argc}, error);
  if (!options) {
    std::cerr << "velmora-services: " << error << "\nusage: velmora-services [--listen ADDR:PORT] [--folder DIR] [--host NAME[,NAME...]]\n"
                 "                        [--max-connections N] [--max-per-address N]\n";
    return kUsageError;
  }
  // The signals are taken by one waiting thread; every other thread, the
  // server's own included, inherits the blocked mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::mutex logLock;
  auto log = [&logLock](const std::string& line) {
    const std::lock_guard<std::mutex> hold(logLock);
    std::cerr << Timestamp() << ' ' << line << std::endl;
  };
  try {
    const Sources sources(velmora::AsFolder(options->folder.empty() ? velmora::ProgramFolder() : options->folder));
    ConnectionLimits limits = options->limits;
    FitConnectionsToDescriptors(limits);
    HttpServer server(sources, log, limits, options->names);
    const int port = server.Bind(options->host, options->port);
    const std::string host = options->host.find(':') != std::string::npos ? "[" + options->host + "]" : options->host;
    std::cout << "listening on " << host << ':' << port << std::endl;

    std::thread waiter([&server, &stopSignals, &log] {
      int signal = 0;
      sigwait(&stopSignals, &signal);
      log(std::string("stopping on ") + (signal == SIGTERM ? "SIGTERM" : "SIGINT"));
      server.Stop();
    });
    const bool served = server.Run();
    if (!served) {
      // Run ended without a signal: wake the waiter so it can be joined.
      pthread_kill(waiter.native_handle(), SIGTERM);
    }
    waiter.join();
    return served ? 0 : kStartError;
  } catch (const std::exception& fault) {
    log(std::string("cannot start: ") + fault.what());
    return kStartError;
  }
}
