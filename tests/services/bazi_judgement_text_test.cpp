#include <gtest/gtest.h>

#include <map>
#include <set>

#include "services/bazi_judgement_text.h"
#include "tests/readings/chart_samples.h"
#include "tests/services/chart_fact_checker.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;

constexpr int kCurrentYear = 2026;

struct Reading {
  BaziChart chart;
  Judgement judgement;
  std::vector<std::string> paragraphs;  // UTF-8
  velmora::testing::ChartFacts facts;
};

Reading ReadingOf(const DateTime& birth) {
  Reading reading{ChartOf(birth.date, birth.hour, Sex::Female, kCurrentYear), {}, {}, {}};
  reading.judgement = JudgementOf(reading.chart.pillars);
  for (const std::string& paragraph : JudgementParagraphs(reading.chart, reading.judgement, ProgramSources())) {
    reading.paragraphs.push_back(GbkToUtf8(paragraph));
  }
  const LuckPillar* luck = CurrentLuck(reading.chart);
  reading.facts = velmora::testing::FactsOf(
      reading.chart, reading.judgement,
      {luck ? luck->pillar : reading.chart.luck.pillars[0].pillar, reading.chart.years[0].pillar});
  return reading;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The reviewer found 103 distinct long paragraphs on 418 pages, one of them on 274.
TEST(BaziJudgementText, FourHundredReadingsHoldVariedProseAboutTheirOwnCharts) {
  std::map<std::string, int> pagesOf;
  for (const DateTime& birth : RandomBirths(400, 31)) {
    const Reading reading = ReadingOf(birth);
    for (const std::string& paragraph : std::set<std::string>(reading.paragraphs.begin(), reading.paragraphs.end())) {
      ++pagesOf[paragraph];
    }
    const std::vector<std::string> unfounded = velmora::testing::UnfoundedSentences(reading.paragraphs, reading.facts);
    EXPECT_TRUE(unfounded.empty()) << PillarsText(reading.chart.pillars) << "\n" << Joined(unfounded);
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
}

}  // namespace
}  // namespace velmora::services
