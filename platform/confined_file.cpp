#include "platform/confined_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace velmora {
namespace {

// The path with every link and "." or ".." resolved, or nothing when some
// part of it does not exist.
std::optional<std::string> Resolved(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
  if (!resolved) return std::nullopt;
  return std::string(resolved.get());
}

bool IsInside(const std::string& file, const std::string& folder) {
  const std::optional<std::string> root = Resolved(folder);
  if (!root) return false;
  const std::string prefix = root->back() == '/' ? *root : *root + "/";
  return file.size() > prefix.size() && file.compare(0, prefix.size(), prefix) == 0;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> ReadFileWithin(const std::string& path, const std::vector<std::string>& folders) {
  if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) return std::nullopt;
  const std::optional<std::string> file = Resolved(path);
  if (!file || std::none_of(folders.begin(), folders.end(),
                            [&](const std::string& folder) { return IsInside(*file, folder); })) {
    return std::nullopt;
  }
  // The resolved path holds no link, so a link put in its place since is not
  // followed; a pipe would keep the open waiting for a writer.
  const Descriptor fd(::open(file->c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat status {};
  if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  std::string content;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) return content;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    content.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace velmora
