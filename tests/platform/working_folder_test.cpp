#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/working_folder.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"

namespace velmora {
namespace {

using testing::TestFolder;
namespace fs = std::filesystem;

const std::vector<std::string> kOwnCopies = {"data/ssdb.db", "data/ssdi.db"};



// An installed program folder: the program, pages, a database and texts.
void Install(const TestFolder& program) {
  for (const char* file : {"velmora", "logo.htm", "data/ssdb.db", "data/animal_year.txt"}) {
    testing::WriteFile(program.Path() + file, std::string("installed ") + file);
  }
  fs::create_directories(program.Path() + "pages/more");
}

TEST(WorkingFolder, AWritableProgramFolderIsUsedAsItIs) {
  TestFolder program, data;
  Install(program);
  ::setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
  EXPECT_EQ(WorkingFolder(program.Path(), kOwnCopies), program.Path());
  EXPECT_FALSE(fs::exists(data.Path() + "velmora"));
  ::unsetenv("XDG_DATA_HOME");
}

TEST(WorkingFolder, TheUsersDataFolderComesFromTheEnvironment) {
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("XDG_DATA_HOME", "/x/share/", 1);
  ::setenv("HOME", "/home/li", 1);
  EXPECT_EQ(UserDataFolder(), "/x/share/velmora/");
  ::setenv("XDG_DATA_HOME", "relative/share", 1);  // only absolute paths count
  EXPECT_EQ(UserDataFolder(), "/home/li/.local/share/velmora/");
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataFolder(), "/home/li/.local/share/velmora/");
  ::setenv("HOME", home.c_str(), 1);
}

// Installed under a folder the user cannot write, the program works in the
// user's data folder: links to what it only reads, copies of what it writes,
// made once and kept; the installation's later changes show at the next start.
TEST(WorkingFolder, AReadOnlyInstallationIsMirroredIntoTheUsersDataFolder) {
  TestFolder program, data;
  Install(program);
  const auto setMode = [&](fs::perms mode) {
    for (const char* folder : {"", "data"}) fs::permissions(program.Path() + folder, mode);
  };
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  const std::string user = data.Path() + "velmora/";
  const auto start = [&] {
    ::setenv("XDG_DATA_HOME", data.Path().c_str(), 1);
    return WorkingFolder(program.Path(), kOwnCopies) == user ? 0 : 1;
  };
  setMode(readOnly);
  EXPECT_EQ(testing::AsOrdinaryUser({data.Path()}, [&] {
              if (start() != 0) return 1;
              testing::WriteFile(user + "data/ssdb.db", "the user's own");
              testing::WriteFile(user + "data/ssdi.db", "[setup]");
              return start();
            }),
            0);
  EXPECT_TRUE(fs::is_symlink(user + "velmora"));
  EXPECT_EQ(fs::read_symlink(user + "logo.htm"), fs::path(program.Path() + "logo.htm"));
  EXPECT_EQ(testing::ReadFile(user + "data/animal_year.txt"), "installed data/animal_year.txt");
  EXPECT_TRUE(fs::is_symlink(user + "pages"));
  EXPECT_FALSE(fs::is_symlink(user + "data"));
  EXPECT_FALSE(fs::is_symlink(user + "data/ssdb.db"));
  EXPECT_EQ(testing::ReadFile(user + "data/ssdb.db"), "the user's own");  // copied once, then kept
  EXPECT_EQ(testing::ReadFile(program.Path() + "data/ssdb.db"), "installed data/ssdb.db");

  // an update: one file gone, one new
  setMode(fs::perms::owner_all | readOnly);
  fs::remove(program.Path() + "logo.htm");
  testing::WriteFile(program.Path() + "data/sign_year.txt", "new");
  setMode(readOnly);
  EXPECT_EQ(testing::AsOrdinaryUser({}, start), 0);
  EXPECT_FALSE(fs::is_symlink(user + "logo.htm"));
  EXPECT_EQ(testing::ReadFile(user + "data/sign_year.txt"), "new");
  EXPECT_EQ(testing::ReadFile(user + "data/ssdi.db"), "[setup]");
  setMode(fs::perms::owner_all | readOnly);  // the test folder can be removed again
}

}  // namespace
}  // namespace velmora
