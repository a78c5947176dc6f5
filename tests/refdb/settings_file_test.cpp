#include <gtest/gtest.h>

#include <filesystem>

#include "readings/birth_details.h"
#include "refdb/settings_file.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

using testing::TestFolder;
namespace fs = std::filesystem;



TEST(SettingsFile, MissingFileReadsAsNoValueAndWritingCreatesIt) {
  TestFolder folder;
  const SettingsFile settings(SettingsFilePath(folder.Path()));
  EXPECT_FALSE(settings.Read("setup", "name").has_value());
  const std::string name = Utf8ToGbk("欧阳娜娜");
  settings.Write("setup", "name", name);
  EXPECT_EQ(settings.Read("setup", "name"), name);
  EXPECT_EQ(testing::ReadFile(SettingsFilePath(folder.Path())), "[setup]\r\nname=" + name + "\r\n");
}

TEST(SettingsFile, WritingKeepsEverythingElse) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  testing::WriteFile(path, "; kept\r\n[other]\r\nname=x\r\n[setup]\r\nname=old\r\ncolour=blue\r\n[last]\r\nk=v\r\n");
  const SettingsFile settings(path);
  settings.Write("setup", "name", "new");
  EXPECT_EQ(testing::ReadFile(path), "; kept\r\n[other]\r\nname=x\r\n[setup]\r\nname=new\r\ncolour=blue\r\n[last]\r\nk=v\r\n");
  settings.Write("last", "added", "1");
  EXPECT_EQ(settings.Read("last", "added"), "1");
  settings.Write("setup", {{"colour", "red"}, {"size", "2"}});  // several values in one replace
  EXPECT_EQ(testing::ReadFile(path), "; kept\r\n[other]\r\nname=x\r\n[setup]\r\nname=new\r\ncolour=red\r\nsize=2\r\n"
                                     "[last]\r\nk=v\r\nadded=1\r\n");
  EXPECT_EQ(settings.Read("other", "name"), "x");
  EXPECT_FALSE(settings.Read("setup", "missing").has_value());
}

TEST(SettingsFile, MalformedTextReadsAsNoValueAndLosesNothingOnWrite) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  for (const std::string& content : {std::string("\x00\x01\xFF garbage", 12), std::string("[setup]\nname")}) {
    testing::WriteFile(path, content);
    const SettingsFile settings(path);
    EXPECT_FALSE(settings.Read("setup", "name").has_value());
    settings.Write("setup", "name", "a");
    EXPECT_EQ(settings.Read("setup", "name"), "a");
  }
  // a stray line of free text neither hides the value nor costs the other sections
  testing::WriteFile(path, "[other]\r\nkeep=1\r\nfree text\r\n[setup]\r\nname = 张三 \r\n");
  const SettingsFile settings(path);
  EXPECT_EQ(settings.Read("setup", "name"), "张三");  // blanks around the value are not part of it
  settings.Write("setup", "name", "李四");
  EXPECT_EQ(testing::ReadFile(path), "[other]\r\nkeep=1\r\nfree text\r\n[setup]\r\nname=李四\r\n");
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

// A file the user cannot read (mode 0200) was once taken for a missing one and
// replaced, losing its other sections and its mode.
TEST(SettingsFile, AFileThatCannotBeReadIsAnErrorAndIsNeverReplaced) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  const std::string content = "[other]\r\nkeep=1\r\n[setup]\r\nname=old\r\n";
  testing::WriteFile(path, content);
  fs::permissions(path, fs::perms::owner_write);
  const int status = testing::AsOrdinaryUser({folder.Path() + "data", path}, [&] {
    const SettingsFile settings(path);
    const std::string expected = "Cannot read " + path + ": Permission denied";
    for (int attempt = 0; attempt < 2; ++attempt) {
      try {
        if (attempt == 0) settings.Read("setup", "name");
        if (attempt == 1) settings.Write("setup", "name", "new");
        return 10 + attempt;
      } catch (const std::runtime_error& error) {
        if (error.what() != expected) return 20 + attempt;
      }
    }
    return 0;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_write);
  EXPECT_EQ(testing::ReadFile(path), content);
}

TEST(SettingsFile, AReplacedFileKeepsItsModeAndALinkedFileIsWrittenAtItsTarget) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  const std::string target = folder.Path() + "kept.ini";
  testing::WriteFile(target, "[setup]\r\nname=old\r\n");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("../kept.ini", path);
  SettingsFile(path).Write("setup", "name", "new");
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(testing::ReadFile(target), "[setup]\r\nname=new\r\n");
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SettingsFile, ReadsAsIniFilesAreRead) {
  struct Case {
    const char* what;
    std::string content;
    std::optional<std::string> expected;  // GBK
  };
  const Case cases[] = {
      {"names without regard to case", "[SETUP]\r\nName=a\r\n", "a"},
      {"double quotes around the value", "[setup]\r\nname = \"" + Utf8ToGbk("张三") + "\" \r\n", Utf8ToGbk("张三")},
      {"single quotes too", "[setup]\nname='b'", "b"},
      {"a lone quote stays", "[setup]\nname=\"c", "\"c"},
      {"lines ending in a lone CR", "[other]\rname=x\r[setup]\rname=d\r", "d"},
      {"a UTF-8 byte-order mark makes a UTF-8 file", "\xEF\xBB\xBF[setup]\r\nname=李四\r\n", Utf8ToGbk("李四")},
      // the second byte of a GBK character is no letter to fold: \x81\x41 is not \x81\x61
      {"GBK characters compared as they are", "[\x81\x61]\r\nname=e\r\n[\x81\x41]\r\nname=f\r\n", "f"},
  };
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  for (const Case& c : cases) {
    testing::WriteFile(path, c.content);
    const std::string section = c.content.find("\x81") == std::string::npos ? "setup" : "\x81\x41";
    EXPECT_EQ(SettingsFile(path).Read(section, "name"), c.expected) << c.what;
  }
}

TEST(SettingsFile, WritingKeepsTheFilesEncodingAndTheValueAsGiven) {
  TestFolder folder;
  const std::string path = SettingsFilePath(folder.Path());
  const SettingsFile settings(path);
  testing::WriteFile(path, "\xEF\xBB\xBF[Setup]\rNAME=旧\r[其他]\rk=值\r");
  settings.Write("setup", "name", Utf8ToGbk("王五"));
  EXPECT_EQ(testing::ReadFile(path), "\xEF\xBB\xBF[Setup]\r\nname=王五\r\n[其他]\r\nk=值\r\n");
  // values that reading would change are quoted, so they come back as given
  for (const std::string value : {"\"quoted\"", " blank ", "'x'", "\"", ""}) {
    settings.Write("setup", "name", value);
    EXPECT_EQ(settings.Read("setup", "name"), value);
  }
}

// The birth minute and place in a section of their own: what was written
// comes back, and a damaged value reads as not given without costing the others.
TEST(SettingsFile, BirthDetailsComeBackAndDamagedOnesReadAsNotGiven) {
  TestFolder folder;
  testing::CopyBuiltFiles(folder, {"data/places.tsv"});
  const std::string path = SettingsFilePath(folder.Path());
  EXPECT_EQ(ReadBirthDetails(folder.Path()), BirthDetails{});  // no settings file yet
  const BirthDetails remembered = {7, Utf8ToGbk("朝阳"), Utf8ToGbk("辽宁"), std::nullopt};
  SettingsFile(path).Write("setup", "name", Utf8ToGbk("张三"));
  WriteBirthDetails(folder.Path(), remembered);
  EXPECT_EQ(ReadBirthDetails(folder.Path()), remembered);
  EXPECT_EQ(SettingsFile(path).Read("setup", "name"), Utf8ToGbk("张三"));  // the last name stays as it is
  EXPECT_EQ(testing::ReadFile(path), Utf8ToGbk("[setup]\r\nname=张三\r\n[birth]\r\nminute=7\r\nplace=朝阳\r\n"
                                               "province=辽宁\r\nlongitude=\r\n"));
  WriteBirthDetails(folder.Path(), {std::nullopt, "", "", -73.94});
  EXPECT_EQ(ReadBirthDetails(folder.Path()), (BirthDetails{std::nullopt, "", "", -73.94}));

  struct Case {
    std::string section;  // the [birth] section's lines, UTF-8
    BirthDetails read;    // UTF-8 here
  };
  const Case cases[] = {
      {"minute=60\r\nplace=喀什\r\n", {std::nullopt, "喀什", "", std::nullopt}},  // no such minute
      {"minute=-1\r\n", {}},
      {"minute= 5 \r\nlongitude=abc\r\n", {5, "", "", std::nullopt}},
      {"longitude=181\r\n", {}},
      {"place=火星\r\nminute=9\r\n", {9, "", "", std::nullopt}},   // a place the table does not hold
      {"place=朝阳\r\n", {}},                                         // namesakes with no province
      {"province=辽宁\r\n", {}},                                      // a province without a place
      {"place=喀什\r\nlongitude=76\r\n", {}},                       // both: which one was meant?
      {"place=火星\r\nlongitude=76\r\n", {std::nullopt, "", "", 76.0}},
      {"place=" + std::string(10000, 'a') + "\r\n", {}},
  };
  for (const Case& c : cases) {
    testing::WriteFile(path, "[birth]\r\n" + Utf8ToGbk(c.section));
    BirthDetails expected = c.read;
    expected.place = Utf8ToGbk(expected.place);
    EXPECT_EQ(ReadBirthDetails(folder.Path()), expected) << c.section.substr(0, 40);
  }
  testing::WriteFile(path, "[birth]\r\nminute=\xff\x01\r\nplace=\xff\xfe\r\n");  // bytes that are no text
  EXPECT_EQ(ReadBirthDetails(folder.Path()), BirthDetails{});
}

}  // namespace
}  // namespace velmora
