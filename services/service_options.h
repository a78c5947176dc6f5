#pragma once
// The command line of velmora-services:
//   velmora-services [--listen ADDR:PORT] [--folder DIR]
// ADDR:PORT defaults to 127.0.0.1:0 (port 0: a free port), DIR to the
// folder of the executable.

#include <optional>
#include <string>
#include <vector>

namespace velmora::services {

struct ServiceOptions {
  std::string host = "127.0.0.1";
  int port = 0;
  std::string folder;  // empty: the executable's folder
};

// Nothing when the words are not a command line of the service; `error` then
// says why (UTF-8).
std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace velmora::services
