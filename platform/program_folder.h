#pragma once

#include <string>

namespace velmora {

// The folder of the running executable, with a trailing "/".
std::string ProgramFolder();

// A folder given on a command line, with a trailing "/" added when missing.
std::string AsFolder(std::string folder);

}  // namespace velmora
