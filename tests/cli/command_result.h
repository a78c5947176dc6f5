#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace velmora::cli {

// What a velmora-cli command returned and printed.
struct CommandResult {
  int status;
  std::string out, err;
};

template <typename Command>
CommandResult RunCommand(Command command, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace velmora::cli
