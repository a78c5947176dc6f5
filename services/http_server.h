#pragma once
// The service over HTTP/1.1 (Boost.Beast on Asio, event-driven): a few
// threads serve every connection, so clients that are slow, idle or hostile
// hold only their own connections and never the threads. Connections are
// admitted within the limits in all and per client address; each request is
// read within the limits of http_connection.h and answered by http_answer.h.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "services/service_options.h"
#include "services/sources.h"

namespace velmora::services {

class HttpServer {
 public:
  // Each answered request is told to the log as one line. `hostNames` are
  // the Host names answered besides loopback ones (see host_check.h).
  HttpServer(const Sources& sources, std::function<void(const std::string& line)> log, ConnectionLimits limits = {},
             std::vector<std::string> hostNames = {});
  ~HttpServer();

  // Binds the address; port 0 picks a free port. Returns the bound port;
  // throws std::runtime_error when the address cannot be bound.
  int Bind(const std::string& host, int port);
  // Serves until Stop; returns false when serving ended for another reason.
  bool Run();
  // Safe from another thread, also before Run has begun. Stops taking
  // connections, waits at most a second for the answers being written, then
  // ends every connection; Run returns right after.
  void Stop();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace velmora::services
