#pragma once
// The command line of velmora-services:
//   velmora-services [--listen ADDR:PORT] [--folder DIR] [--host NAME[,NAME...]]...
//                    [--max-connections N] [--max-per-address N]
// ADDR:PORT defaults to 127.0.0.1:0 (port 0: a free port), DIR to the
// folder of the executable.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora::services {

// How many connections the service holds open at once. Defaults a server
// operator can live with: far above what browsers and a load balancer open,
// far below what exhausts the machine.
struct ConnectionLimits {
  std::size_t total = 10000;
  std::size_t perAddress = 256;  // 0: no limit per client address
};

struct ServiceOptions {
  std::string host = "127.0.0.1";
  int port = 0;
  std::string folder;               // empty: the executable's folder
  std::vector<std::string> names;   // --host: Host names answered
  ConnectionLimits limits;
};

// Nothing when the words are not a command line of the service; `error` then
// says why (UTF-8).
std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace velmora::services
