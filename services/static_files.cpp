#include "services/static_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora::services {
namespace {

std::string ContentType(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  if (extension == ".png") return "image/png";
  if (extension == ".gif") return "image/gif";
  if (extension == ".jpg") return "image/jpeg";
  if (extension == ".js") return "text/javascript; charset=gbk";
  if (extension == ".css") return "text/css; charset=gbk";
  if (extension == ".htm" || extension == ".html") return kHtmlType;
  return "application/octet-stream";
}

// Whether `inside` is a path below `folder` (both canonical).
bool IsBelow(const std::filesystem::path& inside, const std::filesystem::path& folder) {
  const auto [folderEnd, insideAt] = std::mismatch(folder.begin(), folder.end(), inside.begin(), inside.end());
  return folderEnd == folder.end() && insideAt != inside.end();
}

}  // namespace

std::optional<Page> StaticFile(const std::string& programFolder, const std::string& path) {
  // A NUL byte would cut the name short at the system call.
  if (!path.starts_with('/') || path.find('\0') != std::string::npos) return std::nullopt;
  std::error_code error;
  const std::filesystem::path www = std::filesystem::canonical(std::filesystem::path(programFolder) / "www", error);
  if (error) return std::nullopt;
  // Joined as a relative path: "//etc/passwd" must not become "/etc/passwd".
  const std::filesystem::path asked = www / std::filesystem::path(path).relative_path();
  const std::filesystem::path file = std::filesystem::canonical(asked, error);
  if (error || !IsBelow(file, www) || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return Page{200, std::string(std::istreambuf_iterator<char>(in), {}), ContentType(file)};
}

}  // namespace velmora::services
