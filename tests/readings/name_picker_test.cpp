#include <gtest/gtest.h>

#include "readings/name_picker.h"
#include "refdb/sqlcipher_database.h"
#include "tests/readings/readings_fixture.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(NamePicker, CodesAreFourBytesEveryFive) {
  const std::vector<std::string> three = {"0312", "0527", "1121"};
  EXPECT_EQ(StrokePairCodes("0312 0527 1121"), three);   // no separator after the last code
  EXPECT_EQ(StrokePairCodes("0312 0527 1121 "), three);  // with one
  EXPECT_TRUE(StrokePairCodes("").empty());
}

TEST(NamePicker, ComposingKeepsTheSurname) {
  EXPECT_EQ(GbkToUtf8(ComposePickedName(Utf8ToGbk("欧阳娜娜"), "复姓"_gbk, Utf8ToGbk("明"), Utf8ToGbk("亮"))),
            "欧阳明亮");
  EXPECT_EQ(GbkToUtf8(ComposePickedName(Utf8ToGbk("李四"), "单姓"_gbk, Utf8ToGbk("明"), "")), "李明");
}

class NamePickerDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string many;
    for (int i = 0; i < 450; ++i) many += i % 2 ? "林" : "森";
    testing::CreateReadingsDatabase(folder, {{"李", "7"}, {many, "5"}, {"明亮", "27"}});
    SqlCipherDatabase raw(folder.Path() + ReferenceDatabase().file, ReferenceDatabase().password,
                          SqlCipherDatabase::Mode::OpenExisting);
    raw.Execute("CREATE TABLE 起名笔划 (姓氏 TEXT, 内容 TEXT); INSERT INTO 起名笔划 VALUES ('7', '0527 1121');");
    db.Open();
  }
  testing::TestFolder folder;
  ReferenceDb db{folder.Path(), ReferenceDatabase()};
  ValueLabels labels;
};

TEST_F(NamePickerDatabaseTest, TheSurnamesStrokePairs) {
  EXPECT_EQ(StrokePairListFor(db, Utf8ToGbk("李四"), labels), (std::vector<std::string>{"0527", "1121"}));
  EXPECT_EQ(labels.Get("Label38"), "7");
  EXPECT_FALSE(StrokePairListFor(db, Utf8ToGbk("王"), labels).has_value());  // no count: nothing changes
  EXPECT_EQ(labels.Get("Label38"), "7");
  EXPECT_EQ(StrokePairListFor(db, "", labels), std::vector<std::string>{});
  EXPECT_EQ(labels.Get("Label38"), "");
}

TEST_F(NamePickerDatabaseTest, GridsShowAtMost408Characters) {
  const std::vector<std::string> cells = CharacterGridCells(db, 5);
  ASSERT_EQ(cells.size(), 408u);
  EXPECT_EQ(GbkToUtf8(cells[0]), "森");
  EXPECT_EQ(GbkToUtf8(cells[24]), "森");  // row 1 starts with the 25th character
  EXPECT_EQ(GbkToUtf8(cells[407]), "林");
  const std::vector<std::string> few = CharacterGridCells(db, 27);
  EXPECT_EQ(GbkToUtf8(few[1]), "亮");
  EXPECT_EQ(few[2], "");
  EXPECT_EQ(CharacterGridCells(db, 99)[0], "");
}

}  // namespace
}  // namespace velmora
