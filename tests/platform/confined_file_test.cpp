#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/confined_file.h"
#include "tests/test_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(ReadFileWithin, ServesOnlyRegularFilesInsideTheFoldersWithEveryLinkResolved) {
  testing::TestFolder folder;
  const std::string top = folder.Path();
  // A program folder, a user's data folder mirroring it by links, and a
  // file outside both.
  fs::create_directories(top + "program/data");
  fs::create_directories(top + "user");
  fs::create_directories(top + "program2");
  testing::WriteFile(top + "program/logo.htm", "logo");
  testing::WriteFile(top + "program/data/ssdi.db", "settings");
  testing::WriteFile(top + "program2/logo.htm", "other");
  testing::WriteFile(top + "secret", "secret");
  fs::create_symlink(top + "program/logo.htm", top + "user/logo.htm");
  fs::create_symlink(top + "secret", top + "user/secret.htm");
  fs::create_symlink("/", top + "program/www");
  fs::create_symlink(top + "program", top + "program-link");
  ASSERT_EQ(::mkfifo((top + "program/pipe.htm").c_str(), 0600), 0);
  const std::vector<std::string> folders = {top + "program/", top + "user"};

  struct Case {
    std::string path;
    std::optional<std::string> content;
  };
  const Case cases[] = {
      {top + "program/logo.htm", "logo"},
      {top + "program/data/ssdi.db", "settings"},  // the user's own files inside are the program's business
      {top + "user/logo.htm", "logo"},             // a link of the user's folder into the program folder
      {top + "program-link/logo.htm", "logo"},     // a way in by a link still ends inside
      {top + "user/secret.htm", std::nullopt},     // a link leading out
      {top + "program/www/etc/passwd", std::nullopt},
      {top + "program/../secret", std::nullopt},
      {top + "program//../secret", std::nullopt},
      {"/etc/passwd", std::nullopt},
      {top + "program2/logo.htm", std::nullopt},   // a folder whose name only begins like one of them
      {top + "program/data", std::nullopt},        // a folder
      {top + "program/", std::nullopt},            // the folder itself
      {top + "program/pipe.htm", std::nullopt},    // a pipe: refused at once, not waited on
      {top + "program/missing.htm", std::nullopt},
      {"program/logo.htm", std::nullopt},          // relative: whose working folder?
      {top + "program/logo.htm" + std::string(1, '\0') + "x", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadFileWithin(c.path, folders), c.content) << c.path;

  // folders named through a link are resolved too
  EXPECT_EQ(ReadFileWithin(top + "program/logo.htm", {top + "program-link"}), "logo");
  EXPECT_EQ(ReadFileWithin(top + "program/logo.htm", {}), std::nullopt);
}

}  // namespace
}  // namespace velmora
