#include "platform/program_folder.h"

#include <filesystem>

namespace velmora {

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "./";
  return AsFolder(executable.parent_path().string());
}

std::string AsFolder(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace velmora
