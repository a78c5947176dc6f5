#pragma once
// Reading a file on behalf of a page: only a regular file inside one of the
// folders given, judged after every link on the way (the folders' own too)
// has been resolved, so neither a link nor "/../" leads out of them. The
// program's pages are local files, and a page must not become a way to read
// any other file of the machine.

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The content of the file at the absolute `path` when, with its links
// resolved, it is a regular file inside one of `folders`; nothing otherwise
// (a relative path, a path holding a NUL byte, a missing or unreadable file,
// a folder, a device or pipe, a file outside). Bytes as stored; never throws.
std::optional<std::string> ReadFileWithin(const std::string& path, const std::vector<std::string>& folders);

}  // namespace velmora
