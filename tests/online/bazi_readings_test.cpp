#include <gtest/gtest.h>

#include <stdexcept>

#include "online/bazi_readings.h"
#include "tests/expect_error.h"
#include "tests/online/fake_browser.h"
#include "text/gbk.h"

namespace velmora {
namespace {

BirthProfile Profile(int year, int month, int day, int hour, const char* sex, const char* name = "张三") {
  BirthProfile profile;
  profile.name = Utf8ToGbk(name);
  profile.sex = Utf8ToGbk(sex);
  profile.birthDate = {{year, month, day}, hour, 0, 0};
  profile.birthHourIndex = hour;
  return profile;
}

// The form page of 四柱批命 as the browser holds it.
void SizhuForm(FakeBrowser& page) {
  page.title = SizhuFormTitle();
  page.AddForm();
  for (const char* name : {"china95_year", "china95_month", "china95_day", "china95_time", "china95_minute",
                           "china95_place", "china95_province", "china95_longitude", "sex"}) {
    page.AddInput("text", name);
  }
}

void BaziScoreForm(FakeBrowser& page) {
  page.AddForm();
  for (const char* name : {"name", "sex", "y", "m", "d", "h", "minute", "place", "province", "longitude"}) {
    page.AddInput("text", name);
  }
  page.AddInput("submit", "");
}

const TypedBirthDetails kNotGiven;

TEST(BaziReadings, YearsAreSentAsEnteredWithinTheServicesRange) {
  struct Case {
    int year;
    bool sent;
  };
  const Case cases[] = {
      {1900, false},  // before the first year the service charts
      {1901, true},   // its first year
      {1925, true},   // once moved to 1930 by 八字批命
      {2014, true},
      {2024, true},   // once moved to 2020 by 四柱批命
      {2049, true},
      {2100, true},   // its last year
      {2101, false},
  };
  for (const Case& c : cases) {
    FakeBrowser sizhu;
    SizhuForm(sizhu);
    sizhu.title = Utf8ToGbk("四柱八字在线免费算命系统");  // off its form: a sent request would reload it
    FakeBrowser score;
    BaziScoreForm(score);
    if (c.sent) {
      RequestSizhuReading(sizhu, Profile(c.year, 5, 27, 11, "男"), kNotGiven, "/p/data/ssda.db");
      RequestBaziScore(score, Profile(c.year, 5, 27, 11, "男"), kNotGiven);
    } else {
      EXPECT_THROW(RequestSizhuReading(sizhu, Profile(c.year, 5, 27, 11, "男"), kNotGiven, "/p/data/ssda.db"), std::out_of_range);
      EXPECT_THROW(RequestBaziScore(score, Profile(c.year, 5, 27, 11, "男"), kNotGiven), std::out_of_range);
    }
    EXPECT_EQ(sizhu.ValueOf("china95_year"), c.sent ? std::to_string(c.year) : "") << c.year;
    EXPECT_EQ(sizhu.navigations.size(), c.sent ? 1u : 0u) << c.year;
    EXPECT_EQ(sizhu.submittedForms.size(), c.sent ? 1u : 0u) << c.year;
    EXPECT_EQ(score.ValueOf("y"), c.sent ? std::to_string(c.year) : "") << c.year;
    EXPECT_EQ(score.ValueOf("name"), c.sent ? Utf8ToGbk("张三") : "") << c.year;
    EXPECT_EQ(score.clickedElements.size(), c.sent ? 1u : 0u) << c.year;
  }
  testing::ExpectErrorMessage([] { OnlineChartYear(1900); }, "出生年份须在1901年至2100年之间（现为1900年），在线批命未发送。");
}

TEST(BaziReadings, FieldsCarryTheBirthProfileAsTheServicesExpectIt) {
  FakeBrowser sizhu;
  SizhuForm(sizhu);
  RequestSizhuReading(sizhu, Profile(2014, 3, 7, 9, "女"), kNotGiven, "/p/data/ssda.db");
  EXPECT_EQ(sizhu.ValueOf("china95_month"), "3");  // no leading zero
  EXPECT_EQ(sizhu.ValueOf("china95_day"), "7");
  EXPECT_EQ(sizhu.ValueOf("china95_time"), "9");
  EXPECT_EQ(sizhu.ValueOf("sex"), "0");
  EXPECT_EQ(sizhu.submittedForms, (std::vector<int>{0}));
  EXPECT_TRUE(sizhu.navigations.empty());  // on its form page: no reload

  FakeBrowser score;
  BaziScoreForm(score);
  RequestBaziScore(score, Profile(2014, 3, 7, 9, "女"), kNotGiven);
  EXPECT_EQ(score.ValueOf("name"), Utf8ToGbk("张三"));
  EXPECT_EQ(score.ValueOf("sex"), Utf8ToGbk("女"));
  EXPECT_EQ(score.ValueOf("m"), "3");
  EXPECT_EQ(score.ValueOf("d"), "7");
  EXPECT_EQ(score.ValueOf("h"), "9");
  EXPECT_EQ(score.clickedElements, (std::vector<int>{11}));
  EXPECT_TRUE(score.submittedForms.empty());
}

TEST(BaziReadings, AFormPageThatIsNotLoadedIsReloadedAndTheFieldsGoToThePageHeld) {
  FakeBrowser page;
  page.title = Utf8ToGbk("四柱八字在线免费算命系统");  // still on the last answer
  RequestSizhuReading(page, Profile(1990, 5, 27, 11, "男"), kNotGiven, "/p/data/ssda.db");
  EXPECT_EQ(page.navigations, (std::vector<std::string>{"/p/data/ssda.db"}));
  EXPECT_TRUE(page.submittedForms.empty());  // the page held has no form
}

// An answer of 四柱批命 whose lines are numbered "line N", with the markers at
// the given lines (-1: missing).
std::string SizhuAnswer(int lines, int start, int end) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    const std::string line = i == start ? SizhuStartMarker() : i == end ? SizhuEndMarker() : "line " + std::to_string(i);
    text += (i ? "\r\n" : "") + line;
  }
  return text;
}

TEST(BaziReadings, TheSizhuAnswerIsCutBetweenItsMarkers) {
  struct Case {
    int start, end;
    std::vector<std::string> lines;  // what reaches the report
  };
  const Case cases[] = {
      {3, 8, {"line 5", "line 6", "line 7"}},  // the line after the first marker is never copied
      {3, 4, {}},                              // markers next to each other
      {3, 5, {}},                              // one line between them
      {-1, 4, {"line 1", "line 2", "line 3"}},  // no first marker: from line 1
      {3, -1, {}},                             // no second marker: nothing
  };
  for (const Case& c : cases) {
    FakeBrowser page;
    page.title = SizhuAnswerTitle();
    page.bodyText = SizhuAnswer(12, c.start, c.end);
    LineBuffer text, cut;
    ReportPage report;
    report.AddRaw("earlier");
    TakeSizhuAnswer(page, text, cut, report, "/p/data/ssda.db");
    std::vector<std::string> expected = {"earlier"};
    for (const std::string& line : c.lines) {
      expected.insert(expected.end(), {"<p align=\"left\">", line, "</p>"});
    }
    EXPECT_EQ(report.Lines(), expected) << c.start << " " << c.end;
    EXPECT_EQ(page.navigations, (std::vector<std::string>{"/p/data/ssda.db"}));  // back to the form
  }
}

TEST(BaziReadings, ScriptsInAnAnswerNeverReachTheReport) {
  FakeBrowser page;
  // The line after the first marker is ours; the hostile line is the one copied.
  page.bodyText = SizhuStartMarker() + "\r\nours\r\n" + Utf8ToGbk("<script>alert(1)</script><b onclick=\"x()\">甲</b>") +
                  "\r\n" + SizhuEndMarker();
  LineBuffer text, cut;
  ReportPage report;
  TakeSizhuAnswer(page, text, cut, report, "f");
  ASSERT_EQ(report.Lines().size(), 3u);
  EXPECT_EQ(GbkToUtf8(report.Lines()[1]), "<b>甲</b>");
}

// An answer of 八字批命 of that many HTML lines, numbered.
std::string ScoreAnswer(int lines) {
  std::string html;
  for (int i = 0; i < lines; ++i) html += (i ? "\r\n" : "") + std::to_string(i);
  return html;
}

TEST(BaziReadings, TheScoreAnswerKeepsTwoRangesOfItsLines) {
  struct Case {
    int lines;
    int paragraphs;       // lines copied
    int lastNumbered;     // the last line of the answer that is copied
  };
  const Case cases[] = {
      {120, 104, 108},  // 120 - 28 < 113: the first range only
      {60, 104, 59},    // lines 5..59 and then 49 empty ones
      {141, 105, 113},  // 141 - 28 = 113: one line of the second range
      {200, 104 + 60, 172},
  };
  for (const Case& c : cases) {
    FakeBrowser page;
    page.bodyHtml = ScoreAnswer(c.lines);
    LineBuffer html, cut;
    ReportPage report;
    TakeBaziScoreAnswer(page, html, cut, report, "f", {"127.0.0.1:8000", "www.velmora.example", "http://x/chest/bz/images"});
    const std::vector<std::string>& lines = report.Lines();
    ASSERT_EQ(static_cast<int>(lines.size()), 2 * c.paragraphs + 1) << c.lines;
    EXPECT_EQ(lines.front(), "5");
    EXPECT_EQ(lines[1], "<p>");
    int last = -1;
    for (const std::string& line : lines) {
      if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) last = std::stoi(line);
    }
    EXPECT_EQ(last, c.lastNumbered) << c.lines;
    EXPECT_EQ(lines.back(), "</BODY></HTML>");
  }
}

TEST(BaziReadings, TheScoreAnswerNamesTheMakerAndTheServicesPictures) {
  FakeBrowser page;
  std::string html = ScoreAnswer(5);
  html += Utf8ToGbk(
      "\r\n<table><tr><td>vu姓名 127.0.0.1:8000</td><td><img src=\"images/wood.png\"></td></tr></table>"
      "\r\n本站提供专业准确的“剖腹产择日”服务[点击查看“剖腹产择日”内容]尾");
  page.bodyHtml = html;
  LineBuffer buffer, cut;
  ReportPage report;
  TakeBaziScoreAnswer(page, buffer, cut, report, "f",
                      {"127.0.0.1:8000", "www.velmora.example", "http://127.0.0.1:8000/chest/bz/images"});
  EXPECT_EQ(GbkToUtf8(report.Lines()[0]),
            "<table><tbody><tr><td><font size=\"2\">Oskarn姓名 www.velmora.example</font></td>"
            "<td><font size=\"2\"><img src=\"http://127.0.0.1:8000/chest/bz/images/wood.png\"></font></td>"
            "</tr></tbody></table>");
  EXPECT_EQ(GbkToUtf8(report.Lines()[2]), "尾");
}

}  // namespace
}  // namespace velmora
