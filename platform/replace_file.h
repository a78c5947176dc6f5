#pragma once

#include <string>

namespace velmora {

// Writes the whole content beside the file and renames it over the file, so a
// crash leaves either the old file or the new one. The file beside it gets a
// name of its own, is created fresh (never through a link planted in the
// folder) and is removed on failure; those of writers that were killed are
// swept away. The new file keeps the read, write and run permissions of the
// one it replaces (never set-user-id, set-group-id or sticky); a link at
// `path` is replaced, not followed, and like a new file gets 0666 less the
// umask. Throws std::runtime_error naming
// the file and the file system's error; the old file then stays.
void ReplaceFile(const std::string& path, const std::string& content);

}  // namespace velmora
