#include "services/static_files.h"

#include <filesystem>

#include "platform/confined_file.h"

namespace velmora::services {
namespace {

std::string ContentType(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension == ".png") return "image/png";
  if (extension == ".gif") return "image/gif";
  if (extension == ".jpg") return "image/jpeg";
  if (extension == ".js") return "text/javascript; charset=gbk";
  if (extension == ".css") return "text/css; charset=gbk";
  if (extension == ".htm" || extension == ".html") return kHtmlType;
  return "application/octet-stream";
}

}  // namespace

std::optional<Page> StaticFile(const std::string& programFolder, const std::string& path) {
  if (!path.starts_with('/')) return std::nullopt;
  std::error_code error;
  const std::string www = std::filesystem::absolute(std::filesystem::path(programFolder) / "www", error).string();
  if (error) return std::nullopt;
  // Joined below www/ whatever the address: "//etc/passwd" must not become "/etc/passwd".
  std::optional<std::string> content = ReadFileWithin(www + path, {www});
  if (!content) return std::nullopt;
  return Page{200, std::move(*content), ContentType(path)};
}

}  // namespace velmora::services
