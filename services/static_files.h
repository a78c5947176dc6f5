#pragma once
// The files the service hands out as they are: pictures made at build time and
// the scripts of the marriage pages, under the program folder's "www" folder.
// Only regular files whose real path (every link resolved) lies inside the
// real "www" folder go out; a link leading out of it is not followed.

#include <optional>
#include <string>

#include "services/page.h"

namespace velmora::services {

// The file for an address path (already percent-decoded), with its content
// type; nothing when the path names no regular file inside the folder.
// Throws nothing.
std::optional<Page> StaticFile(const std::string& programFolder, const std::string& path);

}  // namespace velmora::services
