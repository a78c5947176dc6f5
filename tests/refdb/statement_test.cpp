#include <gtest/gtest.h>

#include "refdb/statement.h"

namespace velmora {
namespace {

using Filter = LookupStatement::Filter;

TEST(LookupStatement, TheShapesTheReadingsSend) {
  struct Case {
    const char* statement;
    const char* table;
    Filter filter;
    const char* column;
    const char* key;
  };
  const Case cases[] = {
      {"select * from 汉字笔划", "汉字笔划", Filter::All, "", ""},
      {"select * from 汉字笔划 where 汉字 like \"%张%\"", "汉字笔划", Filter::Like, "汉字", "%张%"},
      {"select * from 汉字笔划 where 数字 = \"7\"", "汉字笔划", Filter::Equals, "数字", "7"},
      {"select * from 三才吉凶 where 三才 = \"木火土\"", "三才吉凶", Filter::Equals, "三才", "木火土"},
      {"select * from hz where name like \"张\"", "hz", Filter::Like, "name", "张"},
      // the key runs to the final quote, quotes inside included
      {"select * from 星座 where 星座 = \"a\" or \"1\"=\"1\"", "星座", Filter::Equals, "星座", "a\" or \"1\"=\"1"},
      {"select * from 八十一划 where 数字 = \"\"", "八十一划", Filter::Equals, "数字", ""},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseLookupStatement(c.statement);
    ASSERT_TRUE(parsed.has_value()) << c.statement;
    EXPECT_EQ(parsed->table, c.table);
    EXPECT_EQ(parsed->filter, c.filter);
    EXPECT_EQ(parsed->column, c.column);
    EXPECT_EQ(parsed->key, c.key);
  }
}

TEST(LookupStatement, AnythingElseIsRejected) {
  for (const char* statement : {"", "delete from 五行", "select * from ", "select * from a b",
                                "select * from 星座 where 星座 = 1", "select * from 星座 where 星座 > \"1\"",
                                "select * from 星座 where 星座 = \"open", "SELECT * FROM 星座"}) {
    EXPECT_FALSE(ParseLookupStatement(statement).has_value()) << statement;
  }
}

TEST(BoundQuery, KeysTravelAsParametersAndOnlyOuterPercentSignsAreWildcards) {
  struct Case {
    const char* key;
    const char* parameter;
  };
  const Case cases[] = {
      {"%张%", "%张%"},   {"%%", "%%"},         {"张", "张"},           {"%_%", "%\\_%"},
      {"%%%", "%\\%%"},   {"%a\\b%", "%a\\\\b%"}, {"%'; drop%", "%'; drop%"},
  };
  for (const Case& c : cases) {
    const BoundQuery query = ToBoundQuery({"汉字笔划", Filter::Like, "汉字", c.key});
    EXPECT_EQ(query.sql, "SELECT rowid AS rowid, * FROM \"汉字笔划\" WHERE \"汉字\" LIKE ?1 ESCAPE '\\' ORDER BY rowid");
    ASSERT_EQ(query.parameters.size(), 1u);
    EXPECT_EQ(query.parameters[0], c.parameter) << c.key;
  }
  const BoundQuery equals = ToBoundQuery({"星座", Filter::Equals, "星座", "\"x\""});
  EXPECT_EQ(equals.parameters, std::vector<std::string>{"\"x\""});
  EXPECT_EQ(QuoteIdentifier("a\"b"), "\"a\"\"b\"");
}

}  // namespace
}  // namespace velmora
