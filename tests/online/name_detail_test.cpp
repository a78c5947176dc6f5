#include <gtest/gtest.h>

#include "online/name_detail.h"
#include "tests/online/fake_browser.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string NumberedLine(int i) {
  std::string line = "L";
  line += std::to_string(i);
  return line;
}

// An answer of `count` text lines, line i reading "Li", with the marker at line `marker`.
std::string Answer(int count, int marker) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += "\r\n";
    text += i == marker ? NameDetailMarker() : NumberedLine(i);
  }
  return text;
}

// The lines the report gained, without the html and body lines and "<p>".
std::vector<std::string> Added(const ReportPage& report) {
  std::vector<std::string> added;
  for (const std::string& line : report.Lines()) {
    if (line != "<p>" && line != "<html>" && !line.starts_with("<Body")) {
      added.push_back(line);
    }
  }
  return added;
}

std::vector<std::string> Numbered(int first, int last) {
  std::vector<std::string> lines;
  for (int i = first; i <= last; ++i) lines.push_back(NumberedLine(i));
  return lines;
}

TEST(NameDetail, TheNameTravelsPercentEncoded) {
  EXPECT_EQ(NameDetailAddress("http://127.0.0.1:8000", Utf8ToGbk("张三")),
            "http://127.0.0.1:8000/s?st=2&word=%D5%C5%C8%FD&FrontType=1&submit1=");
  EXPECT_EQ(NameDetailAddress("http://h", "a&word=b#"), "http://h/s?st=2&word=a%26word%3Db%23&FrontType=1&submit1=");
}

TEST(NameDetail, TheTwoRangesAroundTheMarkerAreAppended) {
  struct Case {
    int count;
    int marker;
    std::vector<std::string> lines;
  };
  auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const Case cases[] = {
      {100, 30, join(Numbered(15, 26), Numbered(35, 92))},  // 15 .. k-4 and k+5 .. count-8
      {100, -1, Numbered(4, 92)},                           // no marker: k is -1
      {20, 5, Numbered(10, 12)},                            // the first range is empty
      {10, 2, {}},                                          // both are
  };
  for (const Case& c : cases) {
    FakeBrowser page;
    page.title = NameDetailTitle(Utf8ToGbk("张三"));
    page.bodyText = Answer(c.count, c.marker);
    LineBuffer text, lines;
    ReportPage report;
    ASSERT_TRUE(TakeNameDetail(page, FakeBrowser::kTopLevel, Utf8ToGbk("张三"), text, lines, report));
    EXPECT_EQ(Added(report), c.lines) << c.count << " " << c.marker;
    EXPECT_EQ(report.Lines().front(), "<html>");
    EXPECT_EQ(GbkToUtf8(report.Lines()[1]), "<Body bgcolor=\"white\" style=\"font-size: 10pt; font-family: 宋体\">");
    for (std::size_t i = 2; i < report.Lines().size(); i += 2) EXPECT_EQ(report.Lines()[i + 1], "<p>");
  }
}

TEST(NameDetail, OnlyTheNamesOwnTopLevelAnswerIsTaken) {
  FakeBrowser page;
  page.title = NameDetailTitle(Utf8ToGbk("张三"));
  page.bodyText = Answer(100, 30);
  LineBuffer text, lines;
  text.Append("stale");
  lines.Append("stale");
  ReportPage report;
  report.AddRaw("kept");
  EXPECT_FALSE(TakeNameDetail(page, FakeBrowser::kFrame, Utf8ToGbk("张三"), text, lines, report));
  EXPECT_EQ(text.Count(), 0);  // cleared on every completion
  EXPECT_EQ(lines.Count(), 0);
  EXPECT_FALSE(TakeNameDetail(page, FakeBrowser::kTopLevel, Utf8ToGbk("李四"), text, lines, report));
  page.title = Utf8ToGbk("张三的姓名测试结果 - 别处");
  EXPECT_FALSE(TakeNameDetail(page, FakeBrowser::kTopLevel, Utf8ToGbk("张三"), text, lines, report));
  EXPECT_EQ(report.Lines(), std::vector<std::string>{"kept"});
}

TEST(NameDetail, TheAnswersTextStaysText) {
  FakeBrowser page;
  page.title = NameDetailTitle("<b>");
  std::string answer = Answer(30, 20);
  answer.replace(answer.find("L15"), 3, "<script>alert(1)</script><b>&amp;");
  page.bodyText = answer;
  LineBuffer text, lines;
  ReportPage report;
  ASSERT_TRUE(TakeNameDetail(page, FakeBrowser::kTopLevel, "<b>", text, lines, report));
  EXPECT_EQ(Added(report).front(), "&lt;script&gt;alert(1)&lt;/script&gt;&lt;b&gt;&amp;amp;");
}

}  // namespace
}  // namespace velmora
