#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "calendar/sexagenary.h"
#include "readings/bazi_chart.h"
#include "tests/expect_error.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string Text(const Pillar& pillar) { return GbkToUtf8(HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch)); }

std::string Text(const FourPillars& pillars) {
  return Text(pillars.year) + " " + Text(pillars.month) + " " + Text(pillars.day) + " " + Text(pillars.hour);
}

// Charts of well-known people as biographies and almanac books publish them,
// from the birth data of the public record: 毛泽东 1893-12-26 辰时, 孙中山
// 1866-11-12 寅时, 蒋介石 1887-10-31 午时 (the hour taken at the middle of the
// 时辰), and a day of the 2000 almanac.
TEST(BaziChart, PublishedChartsOfWellKnownBirths) {
  struct Case {
    CivilDate date;
    int hour;
    const char* pillars;
    const char* nayin;  // of the year pillar
  };
  const Case cases[] = {
      {{1893, 12, 26}, 8, "癸巳 甲子 丁酉 甲辰", "长流水"},
      {{1866, 11, 12}, 4, "丙寅 己亥 辛卯 庚寅", "炉中火"},
      {{1887, 10, 31}, 12, "丁亥 庚戌 己巳 庚午", "屋上土"},
      {{2000, 1, 1}, 0, "己卯 丙子 戊午 壬子", "城头土"},
  };
  for (const Case& c : cases) {
    const BaziChart chart = ChartOf(c.date, c.hour, Sex::Male, 2025);
    EXPECT_EQ(Text(chart.pillars), c.pillars) << FormatDate(c.date);
    EXPECT_EQ(GbkToUtf8(chart.columns[0].nayin), c.nayin) << FormatDate(c.date);
  }
}

// 毛泽东's chart worked by hand from the standard tables: 丁 fire born in the 子
// month. Stems: 癸 七杀, 甲 正印, 甲 正印. Branches: 巳 (丙 劫财 庚 正财 戊 伤官),
// 子 (癸 七杀), 酉 (辛 偏财), 辰 (戊 伤官 乙 偏印 癸 七杀). 丁 is 帝旺 in 巳, 绝 in
// 子, 长生 in 酉, 衰 in 辰; the 丁酉 day lies in the 甲午 week: 辰巳 empty.
TEST(BaziChart, TenGodsHiddenStemsStagesAndEmptyBranchesOfOneChart) {
  const BaziChart chart = ChartOf({1893, 12, 26}, 8, Sex::Male, 2025);
  EXPECT_EQ(GbkToUtf8(HeavenlyStem(chart.dayMaster)), "丁");
  std::string gods, hidden, stages;
  for (const ChartColumn& column : chart.columns) {
    gods += column.stemGod ? GbkToUtf8(TenGodName(*column.stemGod)) : "日主";
    for (const ChartHiddenStem& stem : column.hiddenStems) {
      hidden += GbkToUtf8(HeavenlyStem(stem.stem) + TenGodName(stem.god));
    }
    hidden += "|";
    stages += GbkToUtf8(GrowthStageName(column.stage));
  }
  EXPECT_EQ(gods, "七杀正印日主正印");
  EXPECT_EQ(hidden, "丙劫财庚正财戊伤官|癸七杀|辛偏财|戊伤官乙偏印癸七杀|");
  EXPECT_EQ(stages, "帝旺绝长生衰");
  EXPECT_EQ(GbkToUtf8(EarthlyBranch(chart.emptyBranches[0]) + EarthlyBranch(chart.emptyBranches[1])), "辰巳");
  EXPECT_EQ(GbkToUtf8(chart.columns[2].nayin), "山下火");
}

// The same chart's numbers by hand.
// Element tenths (stems 10; 巳 丙6 庚3 戊1, 子 癸10, 酉 辛10, 辰 戊6 乙3 癸1):
//   金 3+10 = 13, 木 10+10+3 = 23, 水 10+10+1 = 21, 火 10+6 = 16, 土 1+6 = 7.
// Strength (halves: stems 2 but the day's 0, branches 2 6 3 2, times tenths):
//   火 巳丙 12; 木 甲20 甲20 辰乙6 = 46; support 58 of 190 = 30.5 → 31, weak.
//   Drains: 水 癸20 子60 辰癸2 = 82 (官杀) is the heaviest, so 用神 木 (印), 喜神 火.
// Score: balance Σ|c−16| = 3+7+5+0+9 = 24 → 30 × 104/128 = 24.4 → 24;
//   strength |31−50| = 19 → 30 × 31/50 = 18.6 → 19 (too weak);
//   用神 木 stands in the month and hour stems, in no branch's main qi, as 辰's
//   middle qi → 10 + 5 = 15; branches 巳子酉辰 hold 辰酉 六合 → 12 + 3 = 15.
//   Total 24 + 19 + 15 + 15 = 73.
TEST(BaziChart, ElementCountsStrengthAndScoreWorkedByHand) {
  const BaziChart chart = ChartOf({1893, 12, 26}, 8, Sex::Male, 2025);
  EXPECT_EQ(chart.elementTenths, (std::array<int, 5>{13, 23, 21, 16, 7}));
  EXPECT_EQ(chart.strength.support, 58);
  EXPECT_EQ(chart.strength.total, 190);
  EXPECT_EQ(chart.strength.score, 31);
  EXPECT_FALSE(chart.strength.strong);
  EXPECT_EQ(GbkToUtf8(StrengthName(chart.strength.strong)), "身弱");
  EXPECT_EQ(chart.strength.useful, Element::Wood);
  EXPECT_EQ(chart.strength.favourable, Element::Fire);
  EXPECT_EQ(GbkToUtf8(SeasonStateName(chart.seasonStates[static_cast<int>(Element::Fire)])), "死");
  struct Part {
    ScorePart part;
    int points;
    ScoreReason reason;
  };
  const Part parts[] = {{ScorePart::ElementBalance, 24, ScoreReason::ElementsBalanced},
                        {ScorePart::Strength, 19, ScoreReason::TooWeak},
                        {ScorePart::UsefulElement, 15, ScoreReason::UsefulRevealed},
                        {ScorePart::BranchRelations, 15, ScoreReason::BranchesHarmonious}};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(chart.score.items[k].part, parts[k].part);
    EXPECT_EQ(chart.score.items[k].points, parts[k].points) << GbkToUtf8(ScorePartName(parts[k].part));
    EXPECT_EQ(chart.score.items[k].reason, parts[k].reason) << GbkToUtf8(ScorePartName(parts[k].part));
  }
  EXPECT_EQ(chart.score.total, 73);
  ASSERT_EQ(chart.relations.size(), 1u);
  EXPECT_EQ(GbkToUtf8(BranchRelationName(chart.relations[0].kind)), "六合");
  EXPECT_EQ(chart.relations[0].positions, (std::vector<PillarPosition>{PillarPosition::Day, PillarPosition::Hour}));
}

// Start ages worked by hand from the 节 moments of the golden file (UTC+8),
// with 3 days = 1 year, 1 day = 4 months, 2 hours = 10 days (a year of 12
// months of 30 days; the part of a day left over dropped).
TEST(BaziChart, LuckPillarsStartAgesWorkedByHand) {
  struct Case {
    CivilDate date;
    int hour;
    Sex sex;
    bool forward;
    AgeSpan age;
    CivilDate start;
    const char* first;  // the first luck pillar
  };
  const Case cases[] = {
      // 庚午 (yang) man born 1990-02-04 11:00, after 立春 10:13:56: forward to 惊蛰
      // 1990-03-06 04:19:16, 29 d 17 h 19 min. 27 d = 9 y, 2 d = 8 m, 17 h 19 min =
      // 86.6 d = 2 m 26 d: 9 y 10 m 26 d; 1990-02-04 + 9 y 10 m = 1999-12-04, + 26 d.
      {{1990, 2, 4}, 11, Sex::Male, true, {9, 10, 26}, {1999, 12, 30}, "己卯"},
      // The same birth for a woman runs back to 立春: 46 min 4 s = 3.8 d: 0 y 0 m 3 d.
      {{1990, 2, 4}, 11, Sex::Female, false, {0, 0, 3}, {1990, 2, 7}, "丁丑"},
      // 庚辰 woman born 2000-06-15 12:00 runs back to 芒种 2000-06-05 16:58:43:
      // 9 d 19 h 01 min = 3 y + 95.1 d = 3 y 3 m 5 d; from 2003-09-15, + 5 d.
      {{2000, 6, 15}, 12, Sex::Female, false, {3, 3, 5}, {2003, 9, 20}, "辛巳"},
      // A man of the same birth runs on to 小暑 2000-07-07 03:14:05: 21 d 15 h 14 min
      // = 7 y + 76.2 d = 7 y 2 m 16 d; from 2007-08-15, + 16 d.
      {{2000, 6, 15}, 12, Sex::Male, true, {7, 2, 16}, {2007, 8, 31}, "癸未"},
      // 丙申 man born 2017-02-03 23:00, before 立春 23:33:55: 33 min 55 s = 2.8 d.
      {{2017, 2, 3}, 23, Sex::Male, true, {0, 0, 2}, {2017, 2, 5}, "壬寅"},
  };
  for (const Case& c : cases) {
    const BaziChart chart = ChartOf(c.date, c.hour, c.sex, 2025);
    const std::string at = FormatDate(c.date) + (c.sex == Sex::Male ? " male" : " female");
    EXPECT_EQ(chart.luck.forward, c.forward) << at;
    EXPECT_EQ(chart.luck.startAge, c.age) << at;
    EXPECT_EQ(chart.luck.startDate, c.start) << at;
    EXPECT_EQ(Text(chart.luck.pillars[0].pillar), c.first) << at;
    for (int k = 0; k < 8; ++k) {
      const LuckPillar& pillar = chart.luck.pillars[static_cast<std::size_t>(k)];
      EXPECT_EQ(pillar.startYear, c.start.year + 10 * k) << at;
      EXPECT_EQ(pillar.startAge, c.age.years + 10 * k) << at;
      EXPECT_EQ(pillar.pillar.CycleIndex(), Pillar::OfCycleIndex(chart.pillars.month.CycleIndex() +
                                                                (c.forward ? k + 1 : -k - 1))
                                                .CycleIndex())
          << at;
    }
  }
  EXPECT_EQ(GbkToUtf8(LuckDirectionName(true)), "顺行");
  EXPECT_EQ(GbkToUtf8(AgeReckoningName()), "周岁");
}

// 流年 from 2025: 乙巳, 丙午, … with the gods against a 丁 day master.
TEST(BaziChart, YearsAheadWithTheGodsOfTheirStems) {
  const BaziChart chart = ChartOf({1893, 12, 26}, 8, Sex::Male, 2025);
  const char* const expected[10] = {"乙巳偏印", "丙午劫财", "丁未比肩", "戊申伤官", "己酉食神",
                                    "庚戌正财", "辛亥偏财", "壬子正官", "癸丑七杀", "甲寅正印"};
  for (std::size_t k = 0; k < 10; ++k) {
    const YearFortune& year = chart.years[k];
    EXPECT_EQ(year.year, 2025 + static_cast<int>(k));
    EXPECT_EQ(year.age, year.year - 1893);
    EXPECT_EQ(Text(year.pillar) + GbkToUtf8(TenGodName(year.stemGod)), expected[k]);
  }
}

std::string Changed(const ChartNote& note) {
  std::string names;
  for (PillarPosition position : note.changed) names += GbkToUtf8(PillarPositionName(position));
  return names;
}

// Where schools differ. The 节 moments are those of the golden file; the note
// gives ours to the minute.
TEST(BaziChart, NotesNameThePillarThatWouldChange) {
  struct Case {
    CivilDate date;
    int hour;
    NoteKind kind;
    const char* moment;  // the 节 moment to the minute, or the standard time charted
    const char* changed;
    const char* other;  // the other reading
  };
  const Case cases[] = {
      // 立春 2020-02-04 17:03:11: three minutes before it, and 1 h 57 min after
      {{2020, 2, 4}, 17, NoteKind::NearJie, "2020-02-04 17:03", "年柱月柱", "庚子 戊寅 丁丑 己酉"},
      {{2020, 2, 4}, 19, NoteKind::NearJie, "2020-02-04 17:03", "年柱月柱", "己亥 丁丑 丁丑 庚戌"},
      // 惊蛰 2025-03-05 16:07:07, an hour before: only the month changes
      {{2025, 3, 5}, 15, NoteKind::NearJie, "2025-03-05 16:07", "月柱", "乙巳 己卯 癸酉 庚申"},
      // 23:00: the next day's pillar; schools that turn the day at midnight keep 癸卯
      {{2024, 2, 9}, 23, NoteKind::LateRatHour, "2024-02-09 23:00", "日柱", "甲辰 丙寅 癸卯 甲子"},
      // daylight saving: 13:00 on the clock is 12:00 standard, the 午 hour; as written 未
      {{1988, 7, 1}, 13, NoteKind::DaylightSaving, "1988-07-01 12:00", "时柱", "戊辰 戊午 丁巳 丁未"},
      // 02:00 of 1986-05-04 never showed: kept as written; the daylight reading 01:00 is also 丑
      {{1986, 5, 4}, 2, NoteKind::SkippedClockHour, "1986-05-04 02:00", "", "丙寅 壬辰 戊申 癸丑"},
      // 01:00 of 1986-09-14 showed twice: kept as written (丑); the first showing was 00:00 (子)
      {{1986, 9, 14}, 1, NoteKind::RepeatedClockHour, "1986-09-14 01:00", "时柱", "丙寅 丁酉 辛酉 戊子"},
  };
  for (const Case& c : cases) {
    const BaziChart chart = ChartOf(c.date, c.hour, Sex::Female, 2025);
    const std::string at = FormatDate(c.date) + " " + std::to_string(c.hour);
    ASSERT_FALSE(chart.notes.empty()) << at;
    const ChartNote& note = chart.notes.front();
    EXPECT_EQ(note.kind, c.kind) << at;
    char moment[32];
    std::snprintf(moment, sizeof moment, "%s %02d:%02d", FormatDate(note.moment.date).c_str(), note.moment.hour,
                  note.moment.minute);
    EXPECT_EQ(std::string(moment), c.moment) << at;
    EXPECT_EQ(Changed(note), c.changed) << at;
    EXPECT_EQ(Text(note.otherReading), c.other) << at;
  }
  // Two notes at once: 23:00 on 2017-02-03 is 34 minutes before 立春 and in the late 子 hour.
  const BaziChart both = ChartOf({2017, 2, 3}, 23, Sex::Male, 2025);
  ASSERT_EQ(both.notes.size(), 2u);
  EXPECT_EQ(both.notes[0].kind, NoteKind::NearJie);
  EXPECT_EQ(GbkToUtf8(TermName(both.notes[0].jie)), "立春");
  EXPECT_EQ(both.notes[1].kind, NoteKind::LateRatHour);
  // Two hours and more away, daylight saving over, not 23:00: nothing to say.
  EXPECT_TRUE(ChartOf({2020, 2, 4}, 20, Sex::Male, 2025).notes.empty());
  EXPECT_TRUE(ChartOf({1990, 10, 27}, 11, Sex::Male, 2025).notes.empty());
}

TEST(BaziChart, TheChartedMomentAfterDaylightSaving) {
  const BaziChart chart = ChartOf({1988, 7, 2}, 0, Sex::Male, 2025);
  EXPECT_EQ(chart.clock, (DateTime{{1988, 7, 2}, 0}));
  EXPECT_EQ(chart.charted.time, (DateTime{{1988, 7, 1}, 23}));
  EXPECT_EQ(chart.charted.clock, ClockHour::DaylightSaving);
  EXPECT_EQ(chart.pillars, FourPillarsOf({1988, 7, 2}, 0));  // the same chart as 八字起名
}

TEST(BaziChart, BadBirthsAreRefusedWithTheirReason) {
  testing::ExpectErrorMessage([] { ChartOf({2000, 2, 30}, 0, Sex::Male, 2025); },
                              "birth date 2000-02-30 does not exist");
  testing::ExpectErrorMessage([] { ChartOf({1582, 10, 10}, 0, Sex::Male, 2025); },
                              "birth date 1582-10-10 does not exist");
  testing::ExpectErrorMessage([] { ChartOf({2000, 1, 1}, 24, Sex::Male, 2025); }, "birth hour 24 is outside 0..23");
  testing::ExpectErrorMessage([] { ChartOf({2000, 1, 1}, -1, Sex::Male, 2025); }, "birth hour -1 is outside 0..23");
  testing::ExpectErrorMessage([] { ChartOf({0, 1, 1}, 0, Sex::Male, 2025); }, "birth year 0 is outside 1..2100");
  testing::ExpectErrorMessage([] { ChartOf({99999, 1, 1}, 0, Sex::Male, 2025); },
                              "birth year 99999 is outside 1..2100");
  testing::ExpectErrorMessage([] { ChartOf({2000, 1, 1}, 0, Sex::Male, 0); }, "current year 0 is outside 1..9999");
  // The ends of the range chart without trouble.
  EXPECT_EQ(Text(ChartOf({1, 1, 1}, 0, Sex::Female, 2025).pillars.hour).size(), 6u);
  EXPECT_EQ(ChartOf({2100, 12, 31}, 23, Sex::Male, 9999).years[9].year, 10008);
}

// The service calls this from several threads: the same birth gives the same chart.
TEST(BaziChart, ThreadsGetTheSameChart) {
  const BaziChart reference = ChartOf({1950, 8, 8}, 8, Sex::Male, 2025);
  std::vector<std::thread> threads;
  std::vector<int> totals(4);
  for (std::size_t t = 0; t < totals.size(); ++t) {
    threads.emplace_back([t, &totals] {
      for (int k = 0; k < 50; ++k) totals[t] = ChartOf({1950, 8, 8}, 8, Sex::Male, 2025).score.total;
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int total : totals) EXPECT_EQ(total, reference.score.total);
}

}  // namespace
}  // namespace velmora
