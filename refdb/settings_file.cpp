#include "refdb/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "platform/replace_file.h"
#include "refdb/ini_text.h"

namespace velmora {
namespace {

constexpr int kMaxLinkHops = 40;

// The whole file, or nothing when there is no file at the path.
std::optional<std::string> ReadContent(const std::string& path) {
  const auto fail = [&](int error) {
    return std::runtime_error("Cannot read " + path + ": " + std::strerror(error));
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return std::nullopt;
  if (fd < 0) throw fail(errno);
  std::string content;
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      throw fail(error);
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return content;
}

// The file a link at the path leads to (the path itself when it is no link),
// so that writing replaces the target and keeps the link.
std::string LinkTarget(const std::string& path) {
  std::filesystem::path file(path);
  std::error_code error;
  for (int hop = 0; hop < kMaxLinkHops && std::filesystem::is_symlink(file, error); ++hop) {
    const std::filesystem::path target = std::filesystem::read_symlink(file, error);
    if (error) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file.string();
}

}  // namespace

std::optional<std::string> SettingsFile::Read(const std::string& section, const std::string& key) const {
  const std::optional<std::string> content = ReadContent(path_);
  if (!content) return std::nullopt;
  return IniValue(*content, section, key);
}

void SettingsFile::Write(const std::string& section, const std::string& key, const std::string& value) const {
  Write(section, {{key, value}});
}

void SettingsFile::Write(const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& values) const {
  const std::string target = LinkTarget(path_);
  std::string content = ReadContent(target).value_or(std::string());
  for (const auto& [key, value] : values) content = WithIniValue(content, section, key, value);
  ReplaceFile(target, content);
}

std::string SettingsFilePath(const std::string& programFolder) { return programFolder + "data/ssdi.db"; }

}  // namespace velmora
