#pragma once
// The common frame of the build tools: check the number of arguments, run,
// and turn a failure into one line on standard error and exit status 1.

#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace velmora::tools {

// `usage` is what follows the tool's name, such as "SOURCE_FOLDER OUTPUT_FOLDER";
// `run` gets the arguments after the tool's name.
inline int RunTool(int argc, char** argv, const std::string& name, const std::string& usage,
                   const std::function<void(const std::vector<std::string>&)>& run) {
  std::size_t expected = 0;
  for (bool inWord = false; const char c : usage) {
    if (c != ' ' && !inWord) ++expected;
    inWord = c != ' ';
  }
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() != expected) {
    std::cerr << "usage: " << name << " " << usage << "\n";
    return 2;
  }
  try {
    run(args);
  } catch (const std::exception& error) {
    std::cerr << name << ": " << error.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace velmora::tools
