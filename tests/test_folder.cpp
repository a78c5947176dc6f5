#include "tests/test_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

namespace velmora::testing {

TestFolder::TestFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("velmora-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_ / "data");
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string BuiltProgramFolder() { return VELMORA_PROGRAM_FOLDER "/"; }

void CopyBuiltFiles(const TestFolder& folder, std::initializer_list<const char*> files) {
  for (const char* file : files) {
    std::filesystem::copy_file(BuiltProgramFolder() + file, folder.Path() + file,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

void CopyBuiltDatabases(const TestFolder& folder) { CopyBuiltFiles(folder, {"data/ssdb.db", "data/ssdh.db"}); }

void CopyBuiltProgramFolder(const TestFolder& folder) {
  std::filesystem::copy(BuiltProgramFolder(), folder.Path(),
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

}  // namespace velmora::testing
