#pragma once
// The route table served over HTTP (cpp-httplib): GET for every address, POST
// for the addresses forms send to. Every answer is one of the service's pages:
// a request over 64 KiB, an address line over the library's 8 KiB or an
// unreadable request gets the 400 page, an unknown address the 404 page, and
// a fault inside a handler a 500 page that tells nothing of the inside.

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "services/sources.h"

namespace httplib {
class Server;
}

namespace velmora::services {

inline constexpr std::size_t kMaxRequestBytes = 64 * 1024;

class HttpServer {
 public:
  // Each answered request is told to the log as one line.
  HttpServer(const Sources& sources, std::function<void(const std::string& line)> log);
  ~HttpServer();

  // Binds the address; port 0 picks a free port. Returns the bound port;
  // throws std::runtime_error when the address cannot be bound.
  int Bind(const std::string& host, int port);
  // Serves until Stop; returns false when serving failed.
  bool Run();
  // Safe from another thread, also before Run has begun; Run returns once the
  // requests in progress end.
  void Stop();

 private:
  std::unique_ptr<httplib::Server> server_;
  std::atomic<bool> ended_ = false;
};

}  // namespace velmora::services
