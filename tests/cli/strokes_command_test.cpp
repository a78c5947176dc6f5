#include <gtest/gtest.h>

#include "cli/exit_status.h"
#include "tests/cli/command_result.h"
#include "cli/strokes_command.h"
#include <filesystem>
#include <fstream>

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
  for (const auto& args :
       std::vector<std::vector<std::string>>{{}, {"a", "b"}, {"a", "--folder"}, {"a", "--x", "1"}, {"a", "--folder", ""}}) {
    EXPECT_EQ(RunStrokes(args).status, kUsageError);
  }
  EXPECT_EQ(RunStrokes({"a", "--folder", ""}).err, "velmora-cli: option --folder needs a folder, not an empty text\n");
}

// Control characters of the text would act on the terminal, and a TAB would
// split the line; they print as escapes, as do bytes that are no UTF-8.
TEST(StrokesCommand, ControlCharactersAndBrokenBytesPrintEscaped) {
  TestFolder folder;
  velmora::testing::CopyBuiltDatabases(folder);
  const CommandResult result = RunStrokes({"张\x1B[2J\t\\\xC2\x9B\xFF三", "--folder", folder.Path()});
  EXPECT_EQ(result.status, kSuccess) << result.err;
  EXPECT_EQ(result.out, "张\t11\n\\x1B\t\n[\t\n2\t\nJ\t\n\\x09\t\n\\\\\t\n\\xC2\\x9B\t\n\\xFF\t\n三\t3\n");
  const CommandResult missing = RunStrokes({"x", "--folder", "/no\x1B]0;title\x07/"});
  EXPECT_EQ(missing.status, kRuntimeError);
  EXPECT_EQ(missing.err, "velmora-cli: unable to open database file: /no\\x1B]0;title\\x07/data/ssdb.db\n");
}

// A database that opens but fails at the first lookup: nothing of the
// answer may have been printed by then.
TEST(StrokesCommand, ADatabaseErrorLeavesStdoutEmpty) {
  TestFolder folder;
  SqlCipherDatabase(folder.Path() + ReferenceDatabase().file, ReferenceDatabase().password,
                    SqlCipherDatabase::Mode::Create)
      .Execute("CREATE TABLE other(x)");
  const CommandResult result = RunStrokes({"张三", "--folder", folder.Path()});
  EXPECT_EQ(result.status, kRuntimeError);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "velmora-cli: no such table: 汉字笔划\n");
}

TEST(StrokesCommand, AnEmptyDatabaseFileIsDamagedAndStaysEmpty) {
  TestFolder folder;
  const std::string path = folder.Path() + ReferenceDatabase().file;
  std::ofstream{path};
  const CommandResult result = RunStrokes({"张", "--folder", folder.Path()});
  EXPECT_EQ(result.status, kRuntimeError);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "velmora-cli: file is empty and holds no database (damaged): " + path + "\n");
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

}  // namespace
}  // namespace velmora::cli
