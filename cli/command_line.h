#pragma once
// Positional arguments and "--option value" pairs of one velmora-cli command.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::cli {

// A command line the command cannot use; the message names the option.
struct UsageError {
  std::string message;
};

struct CommandLine {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // without the leading "--"

  std::optional<std::string> Option(const std::string& name) const;
};

// Fails (with a message for stderr) on an unknown option, one without a value
// or an empty --folder. `flags` are options without a value (such as --json),
// kept with an empty value.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::set<std::string>& knownOptions, std::string& error,
                                            const std::set<std::string>& flags = {});

// The program folder a command works in: --folder, else the folder the
// program works in (the executable's folder, or the user's data folder when
// that cannot be written). Throws std::runtime_error when that cannot be made.
std::string CommandFolder(const CommandLine& commandLine);

}  // namespace velmora::cli
