#pragma once
// A test's own HTTP server on a free loopback port: routes go to Routes(),
// Start() serves them on a thread of its own, and the server stops when it is
// destroyed. Declare it after what its routes use, so that it stops first.

#include <httplib.h>

#include <string>
#include <thread>

namespace velmora::testing {

class LoopbackServer {
 public:
  LoopbackServer() : port_(server_.bind_to_any_port("127.0.0.1")) {}
  ~LoopbackServer() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  httplib::Server& Routes() { return server_; }
  void Start() {
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  int Port() const { return port_; }
  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }

 private:
  httplib::Server server_;
  int port_;
  std::thread thread_;
};

}  // namespace velmora::testing
