#pragma once
// A fresh folder per test, removed afterwards.

#include <filesystem>
#include <initializer_list>
#include <string>

namespace velmora::testing {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // With a trailing "/", as the program folder is passed around.
  std::string Path() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

// A whole file's bytes (empty when it cannot be read), and a file made of them.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// The program folder the build assembled, with its databases.
std::string BuiltProgramFolder();

// Copies files of the built program folder (paths relative to it) into a
// test folder.
void CopyBuiltFiles(const TestFolder& folder, std::initializer_list<const char*> files);

// Copies the built databases into a test folder: the databases are held
// exclusively, and tests run side by side.
void CopyBuiltDatabases(const TestFolder& folder);

// Copies the whole built program folder (executables, databases, pages, the
// service's pictures and scripts) into a test folder, so that a window test
// runs the program with its bundled service as an installation would.
void CopyBuiltProgramFolder(const TestFolder& folder);

}  // namespace velmora::testing
