// velmora-cli: the readings of Velmora without windows.

#include <iostream>
#include <string>
#include <vector>

#include "cli/calendar_command.h"
#include "cli/exit_status.h"
#include "cli/reading_command.h"
#include "cli/strokes_command.h"
#include "cli/terminal_text.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::vector<std::string> rest(args.empty() ? args.end() : args.begin() + 1, args.end());
  if (!args.empty() && args[0] == "calendar") return velmora::cli::RunCalendarCommand(rest, std::cout, std::cerr);
  if (!args.empty() && args[0] == "strokes") return velmora::cli::RunStrokesCommand(rest, std::cout, std::cerr);
  if (!args.empty() && args[0] == "reading") return velmora::cli::RunReadingCommand(rest, std::cout, std::cerr);
  velmora::cli::PrintError(std::cerr, "usage: velmora-cli calendar FROM [TO] | strokes TEXT [--folder DIR] | reading KIND ...");
  return velmora::cli::kUsageError;
}
