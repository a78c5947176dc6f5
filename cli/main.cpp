// velmora-cli: the readings of Velmora without windows.

#include <iostream>
#include <string>
#include <vector>

#include "cli/calendar_command.h"
#include "cli/exit_status.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "calendar") {
    return velmora::cli::RunCalendarCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
  }
  std::cerr << "velmora-cli: usage: velmora-cli calendar FROM [TO]\n";
  return velmora::cli::kUsageError;
}
