#include "services/static_files.h"

#include <algorithm>
#include <cctype>
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

bool IsSafePath(const std::string& path) {
  if (path.size() < 2 || path.front() != '/' || path.find("..") != std::string::npos) return false;
  return std::all_of(path.begin(), path.end(), [](unsigned char c) {
    return std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.';
  });
}

}  // namespace

std::optional<Page> StaticFile(const std::string& programFolder, const std::string& path) {
  if (!IsSafePath(path)) return std::nullopt;
  const std::filesystem::path file = std::filesystem::path(programFolder) / "www" / path.substr(1);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return Page{200, std::string(std::istreambuf_iterator<char>(in), {}), ContentType(file)};
}

}  // namespace velmora::services
