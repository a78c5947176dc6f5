#pragma once

#include <string>

namespace velmora {

// Writes the whole content beside the file and renames it over the file, so a
// crash leaves either the old file or the new one. Throws std::runtime_error
// naming the file and the file system's error; the old file then stays.
void ReplaceFile(const std::string& path, const std::string& content);

}  // namespace velmora
