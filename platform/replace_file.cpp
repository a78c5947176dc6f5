#include "platform/replace_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace velmora {
namespace {

constexpr int kNameAttempts = 100;
// Less the umask, as for any file a program creates.
constexpr mode_t kNewFileMode = 0666;
// Read, write and run for owner, group and others: never set-user-id,
// set-group-id or sticky.
constexpr mode_t kKeptModeBits = 0777;
constexpr char kSuffix[] = ".tmp";

[[noreturn]] void Fail(const std::string& path, int error) {
  throw std::runtime_error("Cannot write " + path + ": " + std::strerror(error));
}

// "<file>.<pid>-<random>.tmp": the process id tells a stale file of a writer
// that was killed from one that is being written right now.
std::string TemporaryName(const std::string& fileName) {
  static constexpr char kLetters[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
  std::string name = fileName + "." + std::to_string(::getpid()) + "-";
  for (int i = 0; i < 8; ++i) name += kLetters[pick(random)];
  return name + kSuffix;
}

// The writer's process id of a temporary file of `fileName`, or 0 when the
// name is no such file.
pid_t WriterOf(const std::string& entry, const std::string& fileName) {
  const std::size_t suffixLength = sizeof(kSuffix) - 1;
  if (entry.size() <= fileName.size() + 1 + suffixLength || entry.compare(0, fileName.size() + 1, fileName + ".") != 0 ||
      entry.compare(entry.size() - suffixLength, suffixLength, kSuffix) != 0) {
    return 0;
  }
  pid_t pid = 0;
  std::size_t i = fileName.size() + 1;
  for (; i < entry.size() && entry[i] >= '0' && entry[i] <= '9' && pid < 100000000; ++i) pid = pid * 10 + (entry[i] - '0');
  return i < entry.size() && entry[i] == '-' ? pid : 0;
}

// Removes the temporary files of `fileName` whose writers no longer run: a
// writer killed between creating and renaming its file leaves it behind.
// Only directory entries are removed, so a planted link harms nothing.
void RemoveStaleTemporaries(const std::string& folder, const std::string& fileName) {
  DIR* directory = ::opendir(folder.c_str());
  if (!directory) return;
  while (const dirent* entry = ::readdir(directory)) {
    const pid_t writer = WriterOf(entry->d_name, fileName);
    if (writer > 0 && writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH) {
      ::unlinkat(::dirfd(directory), entry->d_name, 0);
    }
  }
  ::closedir(directory);
}

// A new file that no one else can have prepared: created here, never
// through a link. Returns the descriptor and fills in the path.
int CreateTemporary(const std::string& folder, const std::string& fileName, std::string& temporary) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary = folder + TemporaryName(fileName);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, const std::string& content) {
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void ReplaceFile(const std::string& path, const std::string& content) {
  const std::filesystem::path target(path);
  const std::string fileName = target.filename().string();
  const std::string folder = target.has_parent_path() ? target.parent_path().string() + "/" : std::string();
  RemoveStaleTemporaries(folder.empty() ? "." : folder, fileName);

  std::string temporary;
  const int fd = CreateTemporary(folder, fileName, temporary);
  if (fd < 0) Fail(path, errno);
  int error = 0;
  // The file replaced keeps its permissions; a new one gets the usual ones,
  // and so does a file put in place of a link (whose target is not ours).
  struct stat old {};
  if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & kKeptModeBits) != 0) {
    error = errno;
  }
  if (!error && !WriteAll(fd, content)) error = errno;
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.c_str());
    Fail(path, error);
  }
}

}  // namespace velmora
