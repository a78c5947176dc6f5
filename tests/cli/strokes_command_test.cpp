#include <gtest/gtest.h>

#include "cli/exit_status.h"
#include "tests/cli/command_result.h"
#include "cli/strokes_command.h"
#include "refdb/reference_db.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"

namespace velmora::cli {
namespace {

using velmora::testing::TestFolder;

CommandResult RunStrokes(const std::vector<std::string>& args) { return RunCommand(RunStrokesCommand, args); }

TEST(StrokesCommand, OneLinePerCharacterWithEmptyCountsForUnknownOnes) {
  TestFolder folder;
  velmora::testing::CopyBuiltDatabases(folder);
  const CommandResult result = RunStrokes({"张三a😀", "--folder", folder.Path()});
  EXPECT_EQ(result.status, kSuccess) << result.err;
  EXPECT_EQ(result.out, "张\t11\n三\t3\na\t\n😀\t\n");
}

TEST(StrokesCommand, MissingOrLockedDatabaseIsStatusOne) {
  TestFolder empty;
  CommandResult result = RunStrokes({"张", "--folder", empty.Path()});
  EXPECT_EQ(result.status, kRuntimeError);
  EXPECT_NE(result.err.find("unable to open database file"), std::string::npos) << result.err;

  TestFolder folder;
  velmora::testing::CopyBuiltDatabases(folder);
  ReferenceDb holder(folder.Path(), ReferenceDatabase());
  holder.Open();
  const int status = velmora::testing::InChildProcess([&] {
    const CommandResult locked = RunStrokes({"张", "--folder", folder.Path()});
    return locked.err.find("database is locked") != std::string::npos ? locked.status : 99;
  });
  EXPECT_EQ(status, kRuntimeError);
}

TEST(StrokesCommand, UsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"a", "b"}, {"a", "--folder"}, {"a", "--x", "1"}}) {
    EXPECT_EQ(RunStrokes(args).status, kUsageError);
  }
}

}  // namespace
}  // namespace velmora::cli
