#include <gtest/gtest.h>


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


class ReadingCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    velmora::testing::CopyBuiltDatabases(folder);
    velmora::testing::CopyBuiltFiles(folder, {"data/animal_year.txt", "data/sign_year.txt", "data/places.tsv"});
  }
  TestFolder folder;
};

TEST_F(ReadingCommandTest, NameReadingWritesThePageAndTheLastName) {
  const CommandResult result =
      RunReading({"name", "--name", "李明亮", "--birth", "1990-05-27", "--folder", folder.Path()});
  ASSERT_EQ(result.status, kSuccess) << result.err;
  EXPECT_NE(result.out.find("李明亮，男，生于1990-05-27。三才：金土金"), std::string::npos);
  EXPECT_EQ(Utf8ToGbk(result.out), velmora::testing::ReadFile(folder.Path() + "ssbx.htm1"));
  EXPECT_EQ(SettingsFile(SettingsFilePath(folder.Path())).Read("setup", "name"), Utf8ToGbk("李明亮"));
  EXPECT_EQ(result.out.substr(result.out.size() - 16), "</BODY></HTML>\r\n");
}

TEST_F(ReadingCommandTest, BrokenUtf8InTheNameLosesOnlyTheBrokenByte) {
  const CommandResult result = RunReading({"name", "--name", "\xE4" "AB", "--folder", folder.Path()});
  ASSERT_EQ(result.status, kSuccess) << result.err;
  EXPECT_EQ(SettingsFile(SettingsFilePath(folder.Path())).Read("setup", "name"), "?AB");
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
      // the whole chart: at a place the day and hour follow local true solar time
      {{"bazi", "--birth", "2000-11-03", "--time", "12:30", "--place", "喀什", "--sex", "女"},
       "真太阳时：2000年11月3日 09:50（均时差+16.4分）\n"},
      {{"bazi", "--birth", "2000-11-03", "--time", "12:30", "--longitude", "75.99", "--json"},
       "\"trueSolar\": \"2000-11-03 09:50:23\""},
      {{"bazi", "--birth", "1990-05-27", "--time", "11"}, "公历：1990年5月27日 11时（北京时间）\n"},
      {{"bazi", "--birth", "2000-01-01", "--time", "0:20", "--place", "乌鲁木齐"}, "【四柱】己卯 丙子 丁巳 辛亥"},
      // the judgement: each finding, then its reasons on the lines below it
      {{"bazi", "--birth", "1972-12-08", "--time", "0"}, "【日主强弱】专旺（润下格）　帮身之力占全局100%\n　强弱计法："},
      {{"bazi", "--birth", "1972-12-08", "--time", "0"}, "【格局】润下格（月令本为建禄格）\n　子为日主癸水临官之地（禄），取建禄格。"},
      {{"bazi", "--birth", "1972-12-08", "--time", "0"},
       "　闲神：火（财星）　取用之法：专旺\n　成润下格，顺其旺神取用："},
      {{"bazi", "--birth", "1972-12-08", "--time", "0", "--json"}, "\"kind\": \"润下\""},
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
}

// The panel joins what is typed into one key, so age 8 and month 11 once
// answered for 18 and 1; the command line takes only what the tables hold.
TEST_F(ReadingCommandTest, GenderQueriesTakeOnlyTheTablesAgesAndMonths) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{"gender", "--age", "8", "--month", "11"}, "--age takes the mother's nominal age from 18 to 44"},
      {{"gender", "--age", "999", "--month", "0"}, "--age takes the mother's nominal age from 18 to 44"},
      {{"gender", "--age", "18", "--month", "0"}, "--month takes the month from 1 to 12"},
      {{"gender", "--age", "18", "--month", "13"}, "--month takes the month from 1 to 12"},
      {{"gender", "--age", "1x"}, "'1x' is not a valid integer value"},
      {{"gender", "--month", ""}, "'' is not a valid integer value"},
      {{"conception", "--age", "45", "--wish", "男孩"}, "--age takes the mother's nominal age from 18 to 44"},
      {{"conception", "--age", "-18"}, "--age takes the mother's nominal age from 18 to 44"},
  };
  for (const Case& c : cases) {
    const CommandResult result = RunReading(c.args);
    EXPECT_EQ(result.status, kUsageError) << c.error;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string("velmora-cli: ") + c.error + "\n");
  }
  EXPECT_EQ(RunReading({"gender", "--age", "+044", "--month", "012"}).out, "女孩！\n");  // 1244
}

// Bad input to reading bazi names the option it came in, and prints nothing else.
TEST_F(ReadingCommandTest, BaziUsageErrorsNameTheOption) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  const Case cases[] = {
      {{"bazi", "--birth", "2000-02-30"}, "--birth takes an existing date yyyy-mm-dd in the years 1 to 2100"},
      {{"bazi", "--birth", "2000-01-01", "--time", "12:60"}, "--time takes HH:MM or HH (hour 0 to 23, minute 00 to 59)"},
      {{"bazi", "--birth", "2000-01-01", "--time", "12:5"}, "--time takes HH:MM or HH (hour 0 to 23, minute 00 to 59)"},
      {{"bazi", "--birth", "2000-01-01", "--sex", "M"}, "--sex takes 男 or 女"},
      {{"bazi", "--birth", "2000-01-01", "--longitude", "181"}, "--longitude takes degrees east from -180 to 180, such as 116.4"},
      {{"bazi", "--birth", "2000-01-01", "--place", "火星"}, "--place 火星 is not in the place table"},
      {{"bazi", "--birth", "2000-01-01", "--place", "朝阳"}, "--place 朝阳 names places in 北京, 辽宁, 吉林: add --province"},
      {{"bazi", "--birth", "2000-01-01", "--place", std::string(10000, 'x')}, "--place takes a place name of at most 96 bytes"},
      {{"bazi", "--birth", "2000-01-01", "--place", "\xE5\x96"}, "--place is not UTF-8 text"},
      {{"bazi", "--birth", "2000-01-01", "--place", "喀什", "--longitude", "76"}, "--place and --longitude exclude each other"},
      {{"bone", "--time", "12:00"}, "--time belongs to reading bazi"},
  };
  for (Case c : cases) {
    c.args.insert(c.args.end(), {"--folder", folder.Path()});
    const CommandResult result = RunReading(c.args);
    EXPECT_EQ(result.status, kUsageError) << c.error;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string("velmora-cli: ") + c.error + "\n");
  }
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
      {"bazi"},
      {"bone", "--json"},
      {"bazi", "--birth", "2000-01-01", "--hour", "3"},
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
  // a missing outlook file is a file error, not an empty page
  const CommandResult noTexts = RunReading({"zodiac", "--birth", "1990-05-27", "--folder", empty.Path()});
  EXPECT_EQ(noTexts.status, kRuntimeError);
  EXPECT_EQ(noTexts.out, "");
  EXPECT_EQ(noTexts.err,
            "velmora-cli: data/animal_year.txt holds no outlook for 马: the file is missing, unreadable or damaged\n");
}

}  // namespace
}  // namespace velmora::cli
