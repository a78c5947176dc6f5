#include <gtest/gtest.h>

#include <fstream>

#include "cli/exit_status.h"
#include "cli/reading_command.h"
#include "refdb/settings_file.h"
#include "tests/cli/command_result.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora::cli {
namespace {

using velmora::testing::TestFolder;

CommandResult RunReading(const std::vector<std::string>& args) { return RunCommand(RunReadingCommand, args); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ReadingCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { velmora::testing::CopyBuiltDatabases(folder); }
  TestFolder folder;
};

TEST_F(ReadingCommandTest, NameReadingWritesThePageAndTheLastName) {
  const CommandResult result =
      RunReading({"name", "--name", "李明亮", "--birth", "1990-05-27", "--folder", folder.Path()});
  ASSERT_EQ(result.status, kSuccess) << result.err;
  EXPECT_NE(result.out.find("李明亮，男，生于1990-05-27。三才：金土金"), std::string::npos);
  EXPECT_EQ(Utf8ToGbk(result.out), ReadAll(folder.Path() + "ssbx.htm1"));
  EXPECT_EQ(SettingsFile(SettingsFilePath(folder.Path())).Read("setup", "name"), Utf8ToGbk("李明亮"));
  EXPECT_EQ(result.out.substr(result.out.size() - 16), "</BODY></HTML>\r\n");
}

TEST_F(ReadingCommandTest, EveryKindPrintsItsPage) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;
  };
  const Case cases[] = {
      {{"bone", "--birth", "1990-05-27", "--hour", "11"}, "命骨重量39钱。"},
      {{"bone", "--birth", "2020-05-25"}, "农历庚子年四月初三子时属鼠"},  // the leap month weighs as 四月
      {{"zodiac", "--birth", "1990-01-26"}, "你的属相应该是蛇。"},
      {{"constellation", "--birth", "1990-10-24"}, "该日期属于天蝎座。"},
      {{"name", "--name", "欧阳娜娜", "--surname", "复姓", "--sex", "女"}, "欧阳娜娜，女，"},
  };
  for (Case c : cases) {
    c.args.insert(c.args.end(), {"--folder", folder.Path()});
    const CommandResult result = RunReading(c.args);
    EXPECT_EQ(result.status, kSuccess) << result.err;
    EXPECT_NE(result.out.find(c.expected), std::string::npos) << c.args[0] << " " << c.expected;
  }
}

TEST_F(ReadingCommandTest, FiveElementsPhoneAndGender) {
  struct Case {
    std::vector<std::string> args;
    const char* expected;  // empty: prints nothing
  };
  const Case cases[] = {
      {{"elements", "--birth", "2000-01-01", "--hour", "0"}, "在你的五行中，水(3)盛"},
      {{"elements", "--birth", "1988-07-01", "--hour", "13"}, "八字：　戊辰　戊午　丁巳　丙午"},  // daylight saving
      {{"phone", "1234567"}, "手机号码：1234567\r\r吉凶预测：和气致祥，必获成功　吉\n"},
      {{"phone", "123456"}, "手机号码输入错误，测算失败！\n"},
      {{"phone", "abc1234"}, ""},
      {{"gender", "--age", "18", "--month", "1"}, "女孩！\n"},
      {{"gender", "--age", "42", "--month", "7"}, "男孩！\n"},
      {{"conception", "--age", "44", "--wish", "男孩"}, "今年1、2、4、5、6、8、10月份。\r\r在上述月份怀孕，心想事成！\n"},
      {{"trigram", "0", "0", "0", "0", "0", "0", "0"}, "女\n"},
      {{"trigram", "0", "0", "0", "0", "0", "1", "0"}, "男\n"},
  };
  for (Case c : cases) {
    c.args.insert(c.args.end(), {"--folder", folder.Path()});
    const CommandResult result = RunReading(c.args);
    EXPECT_EQ(result.status, kSuccess) << result.err;
    if (std::string(c.expected).empty() || c.args[0] != "elements") {
      EXPECT_EQ(result.out, c.expected) << c.args[0];
    } else {
      EXPECT_NE(result.out.find(c.expected), std::string::npos);
    }
  }
  const CommandResult typed = RunReading({"gender", "--age", "1x", "--folder", folder.Path()});
  EXPECT_EQ(typed.status, kRuntimeError);
  EXPECT_EQ(typed.err, "velmora-cli: '11x' is not a valid integer value\n");
}

TEST_F(ReadingCommandTest, UsageAndDatabaseErrors) {
  const std::vector<std::vector<std::string>> usage = {
      {},
      {"palm"},
      {"name", "--sex", "男人"},
      {"bone", "--hour", "24"},
      {"bone", "--hour", "x"},
      {"bone", "--birth", "1990-02-30"},
      {"bone", "--birth", "2101-01-01"},
      {"zodiac", "--color", "red"},
      {"phone"},
      {"trigram", "0", "0"},
      {"trigram", "0", "0", "0", "0", "0", "0", "x"},
      {"conception", "--wish", "双胞胎"},
  };
  for (const auto& args : usage) {
    const CommandResult result = RunReading(args);
    EXPECT_EQ(result.status, kUsageError) << (args.empty() ? "" : args.back());
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  }
  TestFolder empty;
  const CommandResult missing = RunReading({"bone", "--folder", empty.Path()});
  EXPECT_EQ(missing.status, kRuntimeError);
  EXPECT_NE(missing.err.find("unable to open database file"), std::string::npos);
}

}  // namespace
}  // namespace velmora::cli
