#include "tests/readings/readings_fixture.h"

#include "refdb/connections.h"
#include "refdb/sqlcipher_database.h"
#include "tests/test_folder.h"

namespace velmora::testing {

void CreateReadingsDatabase(const TestFolder& folder, const std::map<std::string, std::string>& strokes) {
  SqlCipherDatabase db(folder.Path() + ReferenceDatabase().file, ReferenceDatabase().password,
                       SqlCipherDatabase::Mode::Create);
  db.Execute(
      "CREATE TABLE 汉字笔划 (数字 TEXT, 汉字 TEXT);"
      "CREATE TABLE 三才吉凶 (三才 TEXT, 三才1 TEXT, 三才2 TEXT, 吉凶 TEXT);"
      "CREATE TABLE 八十一划 (数字 TEXT, 内容 TEXT);"
      "CREATE TABLE 称骨算命 (数字 TEXT, 内容 TEXT);"
      "CREATE TABLE 星座 (星座 TEXT, 内容 TEXT);"
      "CREATE TABLE 属相 (属相 TEXT, 内容 TEXT);"
      "CREATE TABLE 日份 (日份 TEXT, 内容 TEXT);"
      "CREATE TABLE 时份 (时份 TEXT, 内容 TEXT);"
      "CREATE TABLE 月份 (月份 TEXT, 内容 TEXT);");
  for (const auto& [character, count] : strokes) {
    db.Query("INSERT INTO 汉字笔划 VALUES (?1, ?2)", {count, character});
  }
  for (int n = 1; n <= 81; ++n) {
    db.Query("INSERT INTO 八十一划 VALUES (?1, ?2)", {std::to_string(n), "数" + std::to_string(n)});
  }
  db.Query("INSERT INTO 三才吉凶 VALUES ('金土金', '成功运一\r\n成功运二', '配置说明', '三才吉')");
  db.Query("INSERT INTO 三才吉凶 VALUES ('金水水', '一', '二', '三')");
  // 39: two verse lines of sixteen characters and a commentary; 21: too short to split.
  db.Query(
      "INSERT INTO 称骨算命 VALUES ('39', '早年奔走费思量，三十以后渐兴旺，凭着一身真本事，家声门第日增光。评语在此'),"
      " ('21', '短诗一句')");
  db.Execute(
      "INSERT INTO 星座 VALUES ('双子座', '灵巧的人。');"
      "INSERT INTO 属相 VALUES ('马', '奔放的人。');"
      "INSERT INTO 日份 VALUES ('初四', '踏实。');"
      "INSERT INTO 时份 VALUES ('午时', '热情。');"
      "INSERT INTO 月份 VALUES ('五月', '勤快的人。'), ('四月', '沉稳的人。');");
}

}  // namespace velmora::testing
