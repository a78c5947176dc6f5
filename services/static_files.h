#pragma once
// The files the service hands out as they are: pictures made at build time and
// the scripts of the marriage pages, under the program folder's "www" folder.

#include <optional>
#include <string>

#include "services/page.h"

namespace velmora::services {

// The file for an address path, with its content type; nothing when the path
// names no regular file there or tries to leave the folder (only letters,
// digits, "-", "_", "." and "/" are accepted, and no ".." part).
std::optional<Page> StaticFile(const std::string& programFolder, const std::string& path);

}  // namespace velmora::services
