#pragma once
// What the tests of the answering service share: the sources of the built
// program folder (loaded once), requests made of a few fields, and the
// server running on a free loopback port.

#include <httplib.h>

#include <future>
#include <map>
#include <string>

#include "services/http_server.h"
#include "services/query.h"
#include "services/sources.h"

namespace velmora::services::testing {

// The program folder's services.db, as the service loads it; the clock is fixed
// at 2026-12-09 12:00 UTC+8 (a Wednesday) so that dated answers repeat.
const Sources& ProgramSources();
inline constexpr std::time_t kFixedNow = 1796788800;

// A request with UTF-8 parameter values (sent as GBK) to the host.
Query QueryOf(const std::multimap<std::string, std::string>& utf8Parameters,
              const std::string& host = "127.0.0.1:8000", const std::string& capture = "");

// The server on a free port of 127.0.0.1, for one test; stopped at the end.
class RunningServer {
 public:
  explicit RunningServer(ConnectionLimits limits = {});
  ~RunningServer();
  int Port() const { return port_; }
  httplib::Client Client() const;
  // Stops the server; whether it ended within ten seconds (so that a failing
  // test does not hang).
  bool Stop();

 private:
  HttpServer server_;
  int port_ = 0;
  std::future<bool> served_;
  bool stopped_ = false;
};

}  // namespace velmora::services::testing
