#include "cli/command_line.h"

#include "platform/program_folder.h"
#include "refdb/connections.h"

namespace velmora::cli {

std::optional<std::string> CommandLine::Option(const std::string& name) const {
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::set<std::string>& knownOptions, std::string& error,
                                            const std::set<std::string>& flags) {
  CommandLine commandLine;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) != 0) {
      commandLine.positional.push_back(args[i]);
      continue;
    }
    const std::string name = args[i].substr(2);
    if (flags.count(name)) {
      commandLine.options[name] = "";
      continue;
    }
    if (!knownOptions.count(name)) {
      error = "unknown option " + args[i];
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      error = "option " + args[i] + " needs a value";
      return std::nullopt;
    }
    // An empty folder would quietly mean the working folder.
    if (name == "folder" && args[i + 1].empty()) {
      error = "option --folder needs a folder, not an empty text";
      return std::nullopt;
    }
    commandLine.options[name] = args[++i];
  }
  return commandLine;
}

std::string CommandFolder(const CommandLine& commandLine) {
  if (const auto folder = commandLine.Option("folder")) return AsFolder(*folder);
  return ProgramWorkingFolder();
}

}  // namespace velmora::cli
