#include "tests/test_folder.h"

#include <unistd.h>

#include <atomic>

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

std::string BuiltProgramFolder() { return VELMORA_PROGRAM_FOLDER "/"; }

void CopyBuiltDatabases(const TestFolder& folder) {
  for (const char* file : {"data/ssdb.db", "data/ssdh.db"}) {
    std::filesystem::copy_file(BuiltProgramFolder() + file, folder.Path() + file,
                               std::filesystem::copy_options::overwrite_existing);
  }
}

void CopyBuiltProgramFolder(const TestFolder& folder) {
  std::filesystem::copy(BuiltProgramFolder(), folder.Path(),
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

}  // namespace velmora::testing
