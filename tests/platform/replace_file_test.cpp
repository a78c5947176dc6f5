#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "platform/replace_file.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"

namespace velmora {
namespace {

using testing::TestFolder;
namespace fs = std::filesystem;



// Everything in the folder but the files named.
std::vector<std::string> Others(const std::string& folder, const std::vector<std::string>& names) {
  std::vector<std::string> others;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(names.begin(), names.end(), name) == names.end()) others.push_back(name);
  }
  return others;
}

TEST(ReplaceFile, ALinkPlantedAtTheOldTemporaryNameIsNeverFollowed) {
  TestFolder folder;
  const std::string victim = folder.Path() + "victim", page = folder.Path() + "ssbx.htm1";
  testing::WriteFile(victim, "kept");
  fs::create_symlink(victim, page + ".tmp");
  ReplaceFile(page, "page");
  EXPECT_EQ(testing::ReadFile(victim), "kept");
  EXPECT_EQ(testing::ReadFile(page), "page");
  EXPECT_FALSE(fs::is_symlink(page));
  EXPECT_TRUE(fs::is_symlink(page + ".tmp"));  // not ours: left alone
}

TEST(ReplaceFile, ALinkAtTheFileItselfIsReplacedNotWrittenThrough) {
  TestFolder folder;
  const std::string victim = folder.Path() + "victim", page = folder.Path() + "temp.html";
  testing::WriteFile(victim, "kept");
  fs::create_symlink(victim, page);
  ReplaceFile(page, "page");
  EXPECT_EQ(testing::ReadFile(victim), "kept");
  EXPECT_FALSE(fs::is_symlink(page));
  EXPECT_EQ(testing::ReadFile(page), "page");
}

TEST(ReplaceFile, TheReplacedFileKeepsItsModeAndANewOneGetsTheUsualOne) {
  struct Case {
    mode_t umask;
    mode_t before;  // 0: no file at the name
    bool planted;   // a link at the name leads to a file of mode `before`
    mode_t after;
  };
  const Case cases[] = {
      {022, 0640, false, 0640},   // a replaced file keeps its mode, whatever the umask
      {022, 04755, false, 0755},  // but never set-user-id
      {0, 07777, false, 0777},    // nor set-group-id or sticky
      {022, 0, false, 0644},      // a new file: 0666 less the umask
      {002, 0, false, 0664},
      {077, 0, false, 0600},
      {022, 04755, true, 0644},   // a planted link's target lends nothing, and keeps its own mode
  };
  for (const Case& c : cases) {
    TestFolder folder;
    const std::string path = folder.Path() + "data/ssdi.db", target = folder.Path() + "target";
    if (c.before != 0) {
      testing::WriteFile(c.planted ? target : path, "old");
      ASSERT_EQ(::chmod((c.planted ? target : path).c_str(), c.before), 0);
      if (c.planted) fs::create_symlink(target, path);
    }
    const mode_t umask = ::umask(c.umask);
    ReplaceFile(path, "new");
    ::umask(umask);
    struct stat written {};
    ASSERT_EQ(::lstat(path.c_str(), &written), 0);
    EXPECT_TRUE(S_ISREG(written.st_mode)) << std::oct << c.before;
    EXPECT_EQ(written.st_mode & 07777, c.after) << std::oct << c.umask << " " << c.before;
    EXPECT_EQ(testing::ReadFile(path), "new");
    if (c.planted) {
      EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(c.before));
      EXPECT_EQ(testing::ReadFile(target), "old");
    }
  }
}

TEST(ReplaceFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TestFolder folder;
  const std::string path = folder.Path() + "ssbx.htm1";
  testing::WriteFile(path, "old");
  const int status = testing::WithFileSizeLimit(1000, [&] {
    try {
      ReplaceFile(path, std::string(5000, 'x'));
      return 1;
    } catch (const std::runtime_error& error) {
      return std::string(error.what()) == "Cannot write " + path + ": File too large" ? 0 : 2;
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(testing::ReadFile(path), "old");
  EXPECT_EQ(Others(folder.Path(), {"ssbx.htm1", "data"}), std::vector<std::string>());

  // a rename that fails (a folder stands at the name) removes its file too
  fs::create_directories(folder.Path() + "taken/inside");
  EXPECT_THROW(ReplaceFile(folder.Path() + "taken", "x"), std::runtime_error);
  EXPECT_EQ(Others(folder.Path(), {"ssbx.htm1", "data", "taken"}), std::vector<std::string>());
}

// Writers killed at random moments leave their temporary files behind; the
// next write sweeps them away instead of letting them pile up.
TEST(ReplaceFile, TemporaryFilesOfKilledWritersDoNotPileUp) {
  TestFolder folder;
  const std::string path = folder.Path() + "ssbx.htm1";
  const std::string content(1 << 18, 'x');
  std::mt19937 random(7);
  for (int kill = 0; kill < 60; ++kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (;;) ReplaceFile(path, content);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 3000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  ReplaceFile(path, "last");
  EXPECT_EQ(testing::ReadFile(path), "last");
  EXPECT_EQ(Others(folder.Path(), {"ssbx.htm1", "data"}), std::vector<std::string>());
}

}  // namespace
}  // namespace velmora
