#include <gtest/gtest.h>

#include <map>
#include <set>

#include "services/bazi_pages.h"
#include "services/chart_text.h"
#include "tests/readings/chart_samples.h"
#include "tests/services/chart_fact_checker.h"
#include "tests/services/page_text.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;
using testing::ProseParagraphs;
using testing::QueryOf;

// A birth's four-pillar page, the judgement's paragraphs on it and the chart they speak of.
struct Reading {
  BaziChart chart;
  Page page;
  std::vector<std::string> paragraphs;  // UTF-8
  velmora::testing::ChartFacts facts;
};

Reading ReadingOf(const DateTime& birth) {
  BirthInput input;
  input.clock = birth;
  input.sex = Sex::Female;
  Reading reading{ChartOf(input, CurrentYearUtc8(ProgramSources().Now())),
                  SizhuPage(QueryOf({{"china95_year", std::to_string(birth.date.year)},
                                     {"china95_month", std::to_string(birth.date.month)},
                                     {"china95_day", std::to_string(birth.date.day)},
                                     {"china95_time", std::to_string(birth.hour)},
                                     {"sex", "0"}}),
                            ProgramSources()),
                  {},
                  {}};
  reading.paragraphs = ProseParagraphs(reading.page);
  reading.facts = velmora::testing::FactsOf(reading.chart);
  return reading;
}

// The same birth's score page.
Page ScorePageOf(const DateTime& birth) {
  return BaziScorePage(QueryOf({{"name", ""},
                                {"sex", "女"},
                                {"y", std::to_string(birth.date.year)},
                                {"m", std::to_string(birth.date.month)},
                                {"d", std::to_string(birth.date.day)},
                                {"h", std::to_string(birth.hour)}}),
                       ProgramSources());
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The reviewer found 103 distinct long paragraphs on 418 pages, one of them
// on 274. The pages, as served, now carry the judgement's paragraphs; the
// score page carries the same ones as the four-pillar page.
TEST(BaziJudgementText, FourHundredPagesHoldVariedProseAboutTheirOwnCharts) {
  std::map<std::string, int> pagesOf;
  int birthIndex = 0;
  for (const DateTime& birth : RandomBirths(400, 31)) {
    const Reading reading = ReadingOf(birth);
    ASSERT_GE(reading.paragraphs.size(), 7u) << PillarsText(reading.chart.pillars);
    for (const std::string& paragraph : std::set<std::string>(reading.paragraphs.begin(), reading.paragraphs.end())) {
      ++pagesOf[paragraph];
    }
    const std::vector<std::string> unfounded = velmora::testing::UnfoundedSentences(reading.paragraphs, reading.facts);
    EXPECT_TRUE(unfounded.empty()) << PillarsText(reading.chart.pillars) << "\n" << Joined(unfounded);
    if (birthIndex++ % 40 == 0) {
      EXPECT_EQ(ProseParagraphs(ScorePageOf(birth)), reading.paragraphs) << PillarsText(reading.chart.pillars);
    }
  }
  EXPECT_GE(pagesOf.size(), 1500u);
  for (const auto& [paragraph, pages] : pagesOf) EXPECT_LE(pages * 10, 400) << pages << " pages: " << paragraph;
}

// The checker must find what the review found: a 丙 chart told about a 木 day
// master, a 十神 the chart lacks, a stem that stands nowhere.
TEST(BaziJudgementText, TheCheckerFindsSentencesAboutWhatTheChartLacks) {
  struct Case {
    const char* sentence;
    bool unfounded;
  };
  // 癸丑 辛酉 丙子 己亥 in the 丁卯 大运 and the 丙午 year: no 戊 or 庚 anywhere.
  const Reading reading = ReadingOf({{1973, 10, 7}, 22});
  ASSERT_EQ(PillarsText(reading.chart.pillars), "癸丑 辛酉 丙子 己亥");
  const Case cases[] = {
      {"日主为土者受克较重。", false},  // 丑 holds 己
      {"日主为金者刚健。", false},      // 酉
      {"戊土晦光。", true},             // 戊 stands nowhere
      {"食神吐秀。", true},             // 戊 would be the 食神
      {"偏财得地。", true},             // 庚 would be the 偏财
      {"正官克身。", false},            // 子's 癸
      {"劫财夺财。", false},            // the 大运's and the 流年's 丁
      {"喜神戊土，待运而来。", false},  // 戊 absent, but 土 is named with its role (喜神)
      {"用神戊土。", true},             // … which is not the 用神 (金)
  };
  for (const Case& c : cases) {
    const std::vector<std::string> found = velmora::testing::UnfoundedSentences({c.sentence}, reading.facts);
    EXPECT_EQ(!found.empty(), c.unfounded) << c.sentence;
  }
}

// The review's 润下 chart was given 用神 土 (官杀), which attacks it.
TEST(BaziJudgementText, TheFloodingWaterChartIsToldToKeepToWaterAndWarnedOffEarth) {
  const Reading reading = ReadingOf({{1972, 12, 8}, 0});
  ASSERT_EQ(PillarsText(reading.chart.pillars), "壬子 壬子 癸酉 壬子");
  const std::string text = Joined(reading.paragraphs);
  for (const char* part : {"成润下格", "用神水", "忌神土", "喜神金、木", "土为破格之忌神"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
  }
  // The headings above the paragraphs say the same.
  const std::vector<std::string> lines = testing::PageTextLines(reading.page);
  for (const char* heading : {"【日主强弱】专旺（润下格）　帮身之力占全局100%", "【格局】润下格（月令本为建禄格）",
                              "【喜用神】用神：水（比劫）　喜神：金（印星）、木（食伤）　忌神：土（官杀）　闲神：火（财星）　取用之法：专旺"}) {
    EXPECT_NE(testing::IndexOfLine(lines, heading), -1) << heading;
  }
}

}  // namespace
}  // namespace velmora::services
