#include <gtest/gtest.h>

#include "calendar/era_table.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(EraTable, LayoutOfTheChronology) {
  ASSERT_EQ(EraRowCount(), 529);
  EXPECT_EQ(GbkToUtf8(EraRow(0)), "-2069,45,0,夏,禹,,禹");
  EXPECT_EQ(GbkToUtf8(EraRow(527)), "1911,37,0,近、现代,中华民国,,民国");
  EXPECT_EQ(GbkToUtf8(EraRow(528)), "1949,9999,1948,当代,中国,,公历");
  for (int i = 0; i < EraRowCount(); ++i) {
    const std::string row = GbkToUtf8(EraRow(i));
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), 6) << row;
  }
}

TEST(EraTable, WellKnownEras) {
  struct Case {
    int year;
    const char* text;
  };
  const Case cases[] = {
      {-2069, "[夏]禹  禹元年"},
      {1368, "[明]太祖 朱元璋 洪武元年"},
      {1644, "[清]世祖 爱新觉罗福临 顺治元年"},
      {1662, "[清]圣祖 爱新觉罗玄烨 康熙元年"},
      {1900, "[清]德宗 爱新觉罗载湉 光绪26年"},
      {1909, "[清] 爱新觉罗溥仪 宣统元年"},
      {1911, "[近、现代]中华民国  民国元年"},
      {1912, "[近、现代]中华民国  民国2年"},
      {1948, "[近、现代]中华民国  民国38年"},
      {1949, ""},
      {2024, ""},
      {-2070, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(EraTextOfYear(c.year)), c.text) << c.year;
}

TEST(EraTable, EveryYearBeforeTheCommonEraHasAText) {
  for (int year = -2069; year < 1949; ++year) EXPECT_FALSE(EraTextOfYear(year).empty()) << year;
}

}  // namespace
}  // namespace velmora
