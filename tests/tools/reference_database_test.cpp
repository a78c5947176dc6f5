#include <gtest/gtest.h>

#include <map>
#include <set>

#include "readings/stroke_lookup.h"
#include "refdb/reference_db.h"
#include "tests/test_folder.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {
namespace {

using testing::TestFolder;

class BuiltDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CopyBuiltDatabases(folder);
    db.Open();
  }
  // Every row of a table: column -> UTF-8 text.
  std::vector<std::map<std::string, std::string>> Rows(const std::string& table, std::vector<std::string> columns) {
    db.Lookup(Utf8ToGbk("select * from " + table));
    std::vector<std::map<std::string, std::string>> rows;
    for (db.First(); !db.AtEnd(); db.Next()) {
      std::map<std::string, std::string> row;
      for (const std::string& column : columns) row[column] = GbkToUtf8(db.FieldText(Utf8ToGbk(column)));
      rows.push_back(row);
    }
    return rows;
  }

  TestFolder folder;
  ReferenceDb db{folder.Path(), ReferenceDatabase()};
};

TEST_F(BuiltDatabaseTest, WellKnownNameStrokeCounts) {
  const std::map<std::string, int> expected = {
      {"张", 11}, {"刘", 15}, {"陈", 16}, {"郭", 15}, {"罗", 20}, {"江", 7},  {"胡", 11}, {"华", 14},
      {"王", 4},  {"李", 7},  {"赵", 14}, {"周", 8},  {"吴", 7},  {"徐", 10}, {"孙", 10}, {"马", 10},
      {"朱", 6},  {"林", 8},  {"何", 7},  {"高", 10}, {"梁", 11}, {"郑", 19}, {"谢", 17}, {"宋", 7},
      {"唐", 10}, {"许", 11}, {"冯", 12}, {"邓", 19}, {"曹", 11}, {"彭", 12}, {"曾", 12}, {"田", 5},
      {"董", 15}, {"袁", 10}, {"潘", 16}, {"于", 3},  {"蒋", 17}, {"蔡", 17}, {"余", 7},  {"叶", 15},
      {"程", 12}, {"苏", 22}, {"魏", 18}, {"吕", 7},  {"丁", 2},  {"沈", 8},  {"姚", 9},  {"卢", 16},
      {"姜", 9},  {"崔", 11}, {"钟", 17}, {"谭", 19}, {"陆", 16}, {"金", 8},  {"后", 6},  {"明", 8},
      {"伟", 11}, {"芳", 10}, {"娜", 10}, {"磊", 15}, {"军", 9},  {"海", 11}, {"珍", 10}, {"一", 1},
      {"四", 4},  {"五", 5},  {"九", 9},  {"十", 10}, {"張", 11}, {"劉", 15}, {"水", 4},  {"心", 4},
  };
  for (const auto& [character, count] : expected) {
    EXPECT_EQ(LookupStrokeCount(db, Utf8ToGbk(character)), std::to_string(count)) << character;
  }
  EXPECT_EQ(LookupStrokeCount(db, "a"), "");
  EXPECT_EQ(LookupStrokeCount(db, ""), "");
}

// Every GB2312 character has exactly one row, and every row holds only
// double-byte characters, so a like lookup never matches across characters.
TEST_F(BuiltDatabaseTest, StrokeTableCoversGb2312OnceEach) {
  std::map<std::string, int> rowOf;
  int previous = 0;
  for (const auto& row : Rows("汉字笔划", {"数字", "汉字"})) {
    const int count = std::stoi(row.at("数字"));
    EXPECT_GT(count, previous) << "rows in ascending order, one per count";
    previous = count;
    const std::string gbk = Utf8ToGbk(row.at("汉字"));
    ASSERT_EQ(gbk.size() % 2, 0u);
    for (std::size_t i = 0; i < gbk.size(); i += 2) {
      ASSERT_GE(static_cast<unsigned char>(gbk[i]), 0x81);
      EXPECT_TRUE(rowOf.emplace(gbk.substr(i, 2), count).second) << GbkToUtf8(gbk.substr(i, 2));
    }
  }
  int gb2312 = 0;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) continue;  // unassigned
      const std::string character{static_cast<char>(lead), static_cast<char>(trail)};
      EXPECT_TRUE(rowOf.count(character)) << GbkToUtf8(character);
      ++gb2312;
    }
  }
  EXPECT_EQ(gb2312, 6763);
  EXPECT_GT(rowOf.size(), 20000u);  // all of GBK's ideographs
}

TEST_F(BuiltDatabaseTest, ReadingTablesHaveTheirKeysAndLayouts) {
  const std::map<std::string, std::pair<std::string, std::size_t>> tables = {
      {"八十一划", {"数字", 81}}, {"三才吉凶", {"三才", 125}}, {"称骨算命", {"数字", 51}},
      {"星座", {"星座", 12}},     {"属相", {"属相", 12}},      {"日份", {"日份", 30}},
      {"时份", {"时份", 12}},     {"月份", {"月份", 12}},
  };
  for (const auto& [table, keyAndCount] : tables) {
    const auto rows = Rows(table, {keyAndCount.first});
    EXPECT_EQ(rows.size(), keyAndCount.second) << table;
  }
  for (const auto& row : Rows("称骨算命", {"数字", "内容"})) {
    const std::string gbk = Utf8ToGbk(row.at("内容"));
    EXPECT_GT(gbk.size(), 64u) << row.at("数字");
    EXPECT_LE(gbk.size(), 528u) << row.at("数字");
    // the verse lines are cut at bytes 32 and 64: whole characters on both sides
    EXPECT_EQ(GbkToUtf8(BytesAt(gbk, 1, 32)).size(), 48u) << row.at("数字");
    EXPECT_EQ(GbkToUtf8(BytesAt(gbk, 33, 32)).size(), 48u) << row.at("数字");
  }
  for (const auto& row : Rows("三才吉凶", {"三才", "三才1", "三才2", "吉凶"})) {
    EXPECT_FALSE(row.at("三才1").empty() || row.at("三才2").empty() || row.at("吉凶").empty()) << row.at("三才");
  }
}

// The verdict of every number agrees with the phone-number table's classes.
TEST_F(BuiltDatabaseTest, EightyOneVerdictClasses) {
  const char* const classes[82] = {
      "",       "吉",     "凶",     "吉",     "凶",     "吉",     "吉",     "吉",     "吉",     "凶",     "凶",
      "吉",     "凶",     "吉",     "凶",     "吉",     "吉",     "吉",     "吉",     "凶",     "凶",     "吉",
      "凶",     "吉",     "吉",     "吉",     "凶",     "凶带吉", "半吉",   "吉",     "凶",     "吉",     "吉",
      "吉",     "凶",     "吉",     "凶",     "吉",     "凶带吉", "吉",     "吉带凶", "吉",     "吉带凶", "吉带凶",
      "凶",     "吉",     "凶",     "吉",     "吉",     "凶",     "吉带凶", "吉带凶", "吉",     "吉带凶", "凶",
      "吉带凶", "凶",     "吉",     "凶带吉", "凶",     "凶",     "吉带凶", "凶",     "吉",     "凶",     "吉",
      "凶",     "吉",     "吉",     "凶",     "凶",     "吉带凶", "凶",     "吉",     "凶",     "吉带凶", "凶",
      "吉带凶", "吉带凶", "凶",     "吉带凶", "吉"};
  for (const auto& row : Rows("八十一划", {"数字", "内容"})) {
    const int number = std::stoi(row.at("数字"));
    ASSERT_TRUE(number >= 1 && number <= 81);
    const std::string suffix = std::string("（") + classes[number] + "）";
    const std::string& text = row.at("内容");
    EXPECT_EQ(text.substr(text.size() - suffix.size()), suffix) << number;
  }
}

TEST_F(BuiltDatabaseTest, FiveElementsInReportOrderWithNameCharacters) {
  const auto rows = Rows("五行", {"五行", "数字", "汉字"});
  ASSERT_EQ(rows.size(), 5u);
  const char* const order[] = {"金", "木", "水", "火", "土"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].at("五行"), order[i]);
    const std::string& count = rows[i].at("数字");
    EXPECT_TRUE(count.size() == 1 && std::isdigit(static_cast<unsigned char>(count[0])));
    const std::string gbk = Utf8ToGbk(rows[i].at("汉字"));
    EXPECT_GE(gbk.size(), 200u);
    for (std::size_t b = 0; b < gbk.size(); b += 2) ASSERT_GE(static_cast<unsigned char>(gbk[b]), 0x81);
  }
}

TEST_F(BuiltDatabaseTest, StrokePairCodesForEverySurnameCount) {
  std::set<std::string> counts;
  for (const auto& row : Rows("汉字笔划", {"数字"})) counts.insert(row.at("数字"));
  const auto rows = Rows("起名笔划", {"姓氏", "内容"});
  EXPECT_GE(rows.size(), 25u);
  for (const auto& row : rows) {
    EXPECT_TRUE(counts.count(row.at("姓氏"))) << row.at("姓氏");
    const std::string& codes = row.at("内容");
    ASSERT_EQ((codes.size() + 1) % 5, 0u) << codes;
    for (std::size_t p = 0; p < codes.size(); p += 5) {
      for (std::size_t d = 0; d < 4; ++d) ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(codes[p + d]))) << codes;
      if (p + 4 < codes.size()) {
        ASSERT_EQ(codes[p + 4], ' ');
      }
      EXPECT_TRUE(counts.count(std::to_string(std::stoi(codes.substr(p, 2))))) << codes;
      EXPECT_TRUE(counts.count(std::to_string(std::stoi(codes.substr(p + 2, 2))))) << codes;
    }
  }
}

// The name-test window drops a character without a row, so every ideograph
// has one: its form in names, or itself.
TEST(BuiltTraditionalForms, EveryIdeographHasItsFormInNames) {
  TestFolder folder;
  testing::CopyBuiltDatabases(folder);
  ReferenceDb db(folder.Path(), TraditionalFormsDatabase());
  db.Open();
  auto traditional = [&](const std::string& simplified) {
    db.Lookup(Utf8ToGbk("select * from hz where name like \"" + simplified + "\""));
    return GbkToUtf8(db.FieldText(Utf8ToGbk("oldname")));
  };
  EXPECT_EQ(traditional("张"), "張");
  EXPECT_EQ(traditional("刘"), "劉");
  EXPECT_EQ(traditional("叶"), "葉");
  for (const char* kept : {"胡", "朱", "余", "于", "沈", "姜", "后", "肖", "王", "明", "劉", "堃"}) {
    EXPECT_EQ(traditional(kept), kept) << kept;
  }
  EXPECT_EQ(traditional("a"), "");

  db.Lookup(Utf8ToGbk("select * from hz"));
  EXPECT_GT(db.RecordCount(), 20000);
  for (db.First(); !db.AtEnd(); db.Next()) {
    ASSERT_EQ(db.FieldText(Utf8ToGbk("name")).size(), 2u);
    ASSERT_EQ(db.FieldText(Utf8ToGbk("oldname")).size(), 2u);
  }
}

TEST(BuiltDatabases, TheySitInTheProgramFolderEncrypted) {
  for (const DatabaseConnection& connection : {ReferenceDatabase(), TraditionalFormsDatabase()}) {
    TestFolder folder;
    testing::CopyBuiltDatabases(folder);
    ReferenceDb wrongKey(folder.Path(), {connection.file, "k4rt9vx2mq7wz3ny8bp"});
    EXPECT_THROW(wrongKey.Open(), std::exception) << connection.file;
  }
  EXPECT_EQ(TraditionalFormsDatabase().password.size(), 6u);
  EXPECT_EQ(ReferenceDatabase().password.size(), 20u);
}

}  // namespace
}  // namespace velmora
