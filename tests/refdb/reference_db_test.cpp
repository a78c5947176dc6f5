#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "refdb/database_error.h"
#include "refdb/reference_db.h"
#include "tests/child_process.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

using testing::TestFolder;

const DatabaseConnection kConnection{"data/test.db", "secret-\x01\x02"};

// A small database shaped like the reference tables.
void CreateSampleDatabase(const std::string& folder) {
  SqlCipherDatabase db(folder + kConnection.file, kConnection.password, SqlCipherDatabase::Mode::Create);
  db.Execute(
      "CREATE TABLE 汉字笔划 (数字 TEXT, 汉字 TEXT);"
      "INSERT INTO 汉字笔划 VALUES ('7', '江李吕'), ('11', '张胡'), ('3', '_%\\');"
      "CREATE TABLE 五行 (五行 TEXT, 数字 TEXT, 汉字 TEXT);"
      "INSERT INTO 五行 VALUES ('金', '0', '铭'), ('木', '0', '林'), ('水', '0', '涵'), ('火', '0', '炜'),"
      " ('土', '0', '坤');"
      "CREATE TABLE 星座 (星座 TEXT, 内容 TEXT);"
      "INSERT INTO 星座 VALUES ('白羊座', '热情'), ('a\" or \"1\"=\"1', 'quoted'), ('空', NULL);");
}

class ReferenceDbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateSampleDatabase(folder.Path());
    db.Open();
  }
  std::string Field(const char* column) { return GbkToUtf8(db.FieldText(Utf8ToGbk(column))); }
  void Lookup(const std::string& utf8) { db.Lookup(Utf8ToGbk(utf8)); }

  TestFolder folder;
  ReferenceDb db{folder.Path(), kConnection};
};

TEST_F(ReferenceDbTest, LikeFindsACharacterInsideALongerRun) {
  Lookup("select * from 汉字笔划 where 汉字 like \"%胡%\"");
  EXPECT_EQ(db.RecordCount(), 1);
  EXPECT_EQ(Field("数字"), "11");
  EXPECT_EQ(Field("汉字"), "张胡");
}

TEST_F(ReferenceDbTest, EmptyLikeKeyMatchesEveryRow) {
  Lookup("select * from 汉字笔划 where 汉字 like \"%%\"");
  EXPECT_EQ(db.RecordCount(), 3);
  EXPECT_EQ(Field("数字"), "7");  // stored order
}

TEST_F(ReferenceDbTest, NumericKeysCompareAsText) {
  Lookup("select * from 汉字笔划 where 数字 = \"7\"");
  EXPECT_EQ(Field("汉字"), "江李吕");
  Lookup("select * from 汉字笔划 where 数字 = \"07\"");
  EXPECT_EQ(db.RecordCount(), 0);
  EXPECT_EQ(Field("汉字"), "");  // no row: empty text, not an error
}

TEST_F(ReferenceDbTest, HostileKeysAreJustText) {
  struct Case {
    const char* statement;
    int rows;
  };
  const Case cases[] = {
      {"select * from 汉字笔划 where 汉字 like \"%_%\"", 1},      // the row holding "_"
      {"select * from 汉字笔划 where 汉字 like \"%\\%\"", 1},     // the row holding "\"
      {"select * from 汉字笔划 where 汉字 like \"%\"%\"", 0},
      {"select * from 汉字笔划 where 汉字 like \"%' OR 1=1 --%\"", 0},
      {"select * from 星座 where 星座 = \"a\" or \"1\"=\"1\"", 1},  // a key that looks like SQL
      {"select * from 星座 where 星座 = \"白羊座\"; drop table 星座\"", 0},
      {"select * from 星座 where 星座 = \"<script>alert(1)</script>\"", 0},
  };
  for (const Case& c : cases) {
    Lookup(c.statement);
    EXPECT_EQ(db.RecordCount(), c.rows) << c.statement;
  }
  Lookup("select * from 星座 where 星座 = \"白羊座\"");
  EXPECT_EQ(Field("内容"), "热情");  // the table survived
}

TEST_F(ReferenceDbTest, NullReadsAsEmptyAndUnknownColumnsAreErrors) {
  Lookup("select * from 星座 where 星座 = \"空\"");
  EXPECT_EQ(db.RecordCount(), 1);
  EXPECT_EQ(Field("内容"), "");
  EXPECT_THROW(db.FieldText("nope"), DatabaseError);
  EXPECT_THROW(Lookup("select * from 不存在"), DatabaseError);
  EXPECT_THROW(Lookup("select * from 星座 where 不存在 = \"x\""), DatabaseError);
  EXPECT_THROW(Lookup("drop table 星座"), DatabaseError);
}

TEST_F(ReferenceDbTest, CountsAreWrittenBackAndSortedLikeTheFiveElementReading) {
  Lookup("select * from 五行");
  const char* counts[] = {"3", "0", "2", "1", "2"};
  db.First();
  for (const char* count : counts) {
    db.Edit();
    db.SetFieldText(Utf8ToGbk("数字"), count);
    db.Post();
    db.Next();
  }
  EXPECT_TRUE(db.AtEnd());
  db.SetSort(Utf8ToGbk("数字 ASC"));
  std::string order;
  for (db.First(); !db.AtEnd(); db.Next()) order += Field("五行") + Field("数字");
  EXPECT_EQ(order, "木0火1水2土2金3");  // equal counts keep their stored order

  ReferenceDb reopened(folder.Path(), kConnection);
  db = ReferenceDb(folder.Path(), kConnection);  // release the lock
  reopened.Open();
  reopened.Lookup(Utf8ToGbk("select * from 五行"));
  std::string stored;
  for (reopened.First(); !reopened.AtEnd(); reopened.Next()) {
    stored += GbkToUtf8(reopened.FieldText(Utf8ToGbk("数字")));
  }
  EXPECT_EQ(stored, "30212");
}

// Moving on from an edited row writes it, as a client-side cursor does; the
// edit never lands on another row.
TEST_F(ReferenceDbTest, MovingOnWritesAPendingEdit) {
  Lookup("select * from 五行");
  db.First();
  db.Edit();
  db.SetFieldText(Utf8ToGbk("数字"), "7");
  db.Next();
  db.Edit();
  db.SetFieldText(Utf8ToGbk("数字"), "8");
  db.SetSort(Utf8ToGbk("数字 ASC"));
  Lookup("select * from 五行");
  std::string stored;
  for (db.First(); !db.AtEnd(); db.Next()) stored += Field("数字");
  EXPECT_EQ(stored, "78000");
}

TEST(ReferenceDbOpen, MissingFileAndWrongPasswordFailWithTheLayersText) {
  TestFolder folder;
  ReferenceDb missing(folder.Path(), kConnection);
  EXPECT_THROW(missing.Open(), DatabaseError);
  EXPECT_THROW(missing.Lookup(Utf8ToGbk("select * from 星座")), DatabaseError);  // reported again

  CreateSampleDatabase(folder.Path());
  for (const std::string& password : {std::string(), std::string("secret-"), std::string("wrong")}) {
    ReferenceDb wrong(folder.Path(), {kConnection.file, password});
    try {
      wrong.Open();
      ADD_FAILURE() << "opened with password '" << password << "'";
    } catch (const DatabaseError& error) {
      EXPECT_STREQ(error.what(), "file is encrypted or is not a database");
    }
  }
}

TEST(ReferenceDbOpen, TheFileIsEncrypted) {
  TestFolder folder;
  CreateSampleDatabase(folder.Path());
  std::ifstream file(folder.Path() + kConnection.file, std::ios::binary);
  std::string header(16, '\0');
  file.read(header.data(), 16);
  EXPECT_NE(header, std::string("SQLite format 3\0", 16));
}

TEST(ReferenceDbOpen, ASecondProgramCannotUseAHeldDatabase) {
  TestFolder folder;
  CreateSampleDatabase(folder.Path());
  ReferenceDb first(folder.Path(), kConnection);
  first.Open();
  const int status = testing::InChildProcess([&] {
    ReferenceDb second(folder.Path(), kConnection);
    try {
      second.Open();
      second.Lookup(Utf8ToGbk("select * from 星座"));
      return 0;
    } catch (const DatabaseError& error) {
      return std::string(error.what()) == "database is locked" ? 3 : 4;
    }
  });
  EXPECT_EQ(status, 3);
  first.Lookup(Utf8ToGbk("select * from 星座 where 星座 = \"白羊座\""));  // the first keeps working
  EXPECT_EQ(first.RecordCount(), 1);
}

// A writer killed at arbitrary moments must leave a database that opens, with
// every count either old or new.
TEST(ReferenceDbOpen, KilledWritesNeverBreakTheFile) {
  TestFolder folder;
  CreateSampleDatabase(folder.Path());
  for (int round = 0; round < 8; ++round) {
    const pid_t child = ::fork();
    if (child == 0) {
      ReferenceDb writer(folder.Path(), kConnection);
      writer.Open();
      for (int i = 0;; ++i) {
        writer.Lookup(Utf8ToGbk("select * from 五行"));
        for (writer.First(); !writer.AtEnd(); writer.Next()) {
          writer.SetFieldText(Utf8ToGbk("数字"), std::to_string(i % 10));
          writer.Post();
        }
      }
    }
    ::usleep(20000 + round * 7000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    ReferenceDb reader(folder.Path(), kConnection);
    ASSERT_NO_THROW(reader.Open()) << "round " << round;
    reader.Lookup(Utf8ToGbk("select * from 五行"));
    ASSERT_EQ(reader.RecordCount(), 5);
    for (reader.First(); !reader.AtEnd(); reader.Next()) {
      const std::string count = reader.FieldText(Utf8ToGbk("数字"));
      ASSERT_TRUE(count.size() == 1 && count[0] >= '0' && count[0] <= '9') << count;
    }
  }
}

}  // namespace
}  // namespace velmora
