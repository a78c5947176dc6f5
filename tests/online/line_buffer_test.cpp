#include <gtest/gtest.h>

#include "online/line_buffer.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(LineBuffer, AppendSplitsAtEveryLineBreakAndSetTextDropsTheLastOne) {
  struct Case {
    const char* text;
    int appended;  // lines after Append to an empty buffer
    int set;       // lines after SetText
  };
  const Case cases[] = {
      {"a\r\nb", 2, 2},
      {"a\r\nb\r\n", 3, 2},  // a final line break appends an empty last line
      {"", 1, 0},            // the empty text appends one empty line
      {"\r\n", 2, 1},
      {"a\nb\rc", 1, 1},  // only CR LF breaks lines
      {"a\r\n\r\nb", 3, 3},
  };
  for (const Case& c : cases) {
    LineBuffer appended;
    appended.Append(c.text);
    EXPECT_EQ(appended.Count(), c.appended) << c.text;
    LineBuffer set;
    set.Append("old");
    set.SetText(c.text);
    EXPECT_EQ(set.Count(), c.set) << c.text;
  }
}

TEST(LineBuffer, LinesOutsideReadEmptyAndLongLinesAreCut) {
  LineBuffer buffer;
  buffer.Append("one\r\ntwo");
  EXPECT_EQ(buffer.Line(5), "");
  EXPECT_EQ(buffer.Line(-1), "");
  buffer.Append(std::string(5000, 'x'));
  EXPECT_EQ(buffer.Line(2).size(), 4096u);
  EXPECT_EQ(buffer.Text().size(), 3u + 2 + 3 + 2 + 5000 + 2);  // the text keeps the whole line
}

TEST(LineBuffer, FindMatchesWholeLinesWithoutRegardToLetterCase) {
  LineBuffer buffer;
  // 乤 is 0x81 0x61 and 丄 0x81 0x41: their trail bytes are "a" and "A", and
  // they are different characters.
  buffer.Append(Utf8ToGbk("Hello World\r\n周运程\r\n乤\r\nsome 周运程 inside"));
  EXPECT_EQ(buffer.Find("hello world"), 0);
  EXPECT_EQ(buffer.Find(Utf8ToGbk("周运程")), 1);
  EXPECT_EQ(buffer.Find("World"), -1);  // part of a line
  EXPECT_EQ(buffer.Find(Utf8ToGbk("丄")), -1);
  EXPECT_EQ(buffer.Find(Utf8ToGbk("乤")), 2);
  EXPECT_EQ(buffer.Find("missing"), -1);
}

TEST(LineBuffer, ReplaceAllWorksOverTheWholeTextAndNeverInsideACharacter) {
  struct Case {
    const char* text;
    const char* from;
    const char* to;
    const char* result;
  };
  const Case cases[] = {
      {"vu姓名\r\nvuvu", "vu", "Oskarn", "Oskarn姓名\r\nOskarnOskarn\r\n"},
      {"a<TD>b", "<TD>", "<TD><font size=\"2\">", "a<TD><font size=\"2\">b\r\n"},
      {"width=700 width=", "width=", "", "700 \r\n"},  // removal
      {"line1\r\nline2", "\r\n", "", "line1line2\r\n"},  // joins lines
      {"aaa", "aa", "b", "ba\r\n"},                      // left to right, not overlapping
      {"x", "", "y", "x\r\n"},                           // an empty pattern changes nothing
  };
  for (const Case& c : cases) {
    LineBuffer buffer;
    buffer.Append(Utf8ToGbk(c.text));
    buffer.ReplaceAll(Utf8ToGbk(c.from), Utf8ToGbk(c.to));
    EXPECT_EQ(buffer.Text(), Utf8ToGbk(c.result)) << c.text;
  }
  // 乤 is 0x81 0x61: its trail byte is "a" but no "a" of the text.
  LineBuffer gbk;
  gbk.Append(Utf8ToGbk("乤a"));
  gbk.ReplaceAll("a", "b");
  EXPECT_EQ(gbk.Text(), Utf8ToGbk("乤b\r\n"));
}

TEST(LineBuffer, AppendLinesCopiesARangeWithEmptyLinesPastTheEnd) {
  LineBuffer source;
  for (int i = 0; i < 60; ++i) source.Append(std::to_string(i));
  LineBuffer cut;
  cut.AppendLines(source, 5, 108);
  EXPECT_EQ(cut.Count(), 104);
  EXPECT_EQ(cut.Line(0), "5");
  EXPECT_EQ(cut.Line(54), "59");
  EXPECT_EQ(cut.Line(55), "");
  LineBuffer none;
  none.AppendLines(source, 3, 2);
  EXPECT_EQ(none.Count(), 0);
}

}  // namespace
}  // namespace velmora
