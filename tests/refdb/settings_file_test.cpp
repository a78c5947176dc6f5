#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "refdb/settings_file.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

using testing::TestFolder;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

TEST(SettingsFile, MissingFileReadsAsNoValueAndWritingCreatesIt) {
  TestFolder folder;
  const SettingsFile settings(SettingsFilePath(folder.Path()));
  EXPECT_FALSE(settings.Read("setup", "name").has_value());
  const std::string name = Utf8ToGbk("欧阳娜娜");
  settings.Write("setup", "name", name);
  EXPECT_EQ(settings.Read("setup", "name"), name);
  EXPECT_EQ(ReadAll(SettingsFilePath(folder.Path())), "[setup]\r\nname=" + name + "\r\n");
}

TEST(SettingsFile, WritingKeepsEverythingElse) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  WriteAll(path, "; kept\r\n[other]\r\nname=x\r\n[setup]\r\nname=old\r\ncolour=blue\r\n[last]\r\nk=v\r\n");
  const SettingsFile settings(path);
  settings.Write("setup", "name", "new");
  EXPECT_EQ(ReadAll(path), "; kept\r\n[other]\r\nname=x\r\n[setup]\r\nname=new\r\ncolour=blue\r\n[last]\r\nk=v\r\n");
  settings.Write("last", "added", "1");
  EXPECT_EQ(settings.Read("last", "added"), "1");
  EXPECT_EQ(settings.Read("other", "name"), "x");
  EXPECT_FALSE(settings.Read("setup", "missing").has_value());
}

TEST(SettingsFile, MalformedTextReadsAsNoValueAndLosesNothingOnWrite) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  for (const std::string& content : {std::string("\x00\x01\xFF garbage", 12), std::string("[setup]\nname")}) {
    WriteAll(path, content);
    const SettingsFile settings(path);
    EXPECT_FALSE(settings.Read("setup", "name").has_value());
    settings.Write("setup", "name", "a");
    EXPECT_EQ(settings.Read("setup", "name"), "a");
  }
  // a stray line of free text neither hides the value nor costs the other sections
  WriteAll(path, "[other]\r\nkeep=1\r\nfree text\r\n[setup]\r\nname = 张三 \r\n");
  const SettingsFile settings(path);
  EXPECT_EQ(settings.Read("setup", "name"), "张三");  // blanks around the value are not part of it
  settings.Write("setup", "name", "李四");
  EXPECT_EQ(ReadAll(path), "[other]\r\nkeep=1\r\nfree text\r\n[setup]\r\nname=李四\r\n");
}

TEST(SettingsFile, APastedLineBreakCannotSplitTheValue) {
  TestFolder folder;
  const SettingsFile settings(SettingsFilePath(folder.Path()));
  settings.Write("setup", "name", Utf8ToGbk("张三\r\n李四"));
  EXPECT_EQ(settings.Read("setup", "name"), Utf8ToGbk("张三  李四"));
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileAndNamesTheError) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  const SettingsFile settings(path);
  settings.Write("setup", "name", "kept");
  const int status = testing::WithFileSizeLimit(100, [&] {
    try {
      settings.Write("setup", "name", std::string(200, 'x'));
      return 1;
    } catch (const std::runtime_error&) {
      return 0;
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(settings.Read("setup", "name"), "kept");
}

}  // namespace
}  // namespace velmora
