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

// A birth at hour:00 as the clock showed it, without minute or place.
BaziChart ChartAt(const CivilDate& date, int hour, Sex sex, int currentYear) {
  BirthInput birth;
  birth.clock = {date, hour};
  birth.sex = sex;
  return ChartOf(birth, currentYear);
}

// A birth to the minute at a longitude, in China's zone.
BaziChart ChartAtPlace(const DateTime& clock, double longitude, Sex sex = Sex::Male) {
  BirthInput birth;
  birth.clock = clock;
  birth.hasMinute = true;
  birth.longitude = longitude;
  birth.sex = sex;
  return ChartOf(birth, 2026);
}

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
    const BaziChart chart = ChartAt(c.date, c.hour, Sex::Male, 2025);
    EXPECT_EQ(Text(chart.pillars), c.pillars) << FormatDate(c.date);
    EXPECT_EQ(GbkToUtf8(chart.columns[0].nayin), c.nayin) << FormatDate(c.date);
  }
}

// 毛泽东's chart worked by hand from the standard tables: 丁 fire born in the 子
// month. Stems: 癸 七杀, 甲 正印, 甲 正印. Branches: 巳 (丙 劫财 庚 正财 戊 伤官),
// 子 (癸 七杀), 酉 (辛 偏财), 辰 (戊 伤官 乙 偏印 癸 七杀). 丁 is 帝旺 in 巳, 绝 in
// 子, 长生 in 酉, 衰 in 辰; the 丁酉 day lies in the 甲午 week: 辰巳 empty.
TEST(BaziChart, TenGodsHiddenStemsStagesAndEmptyBranchesOfOneChart) {
  const BaziChart chart = ChartAt({1893, 12, 26}, 8, Sex::Male, 2025);
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
// Strength (hundredths: stems 100 but the day's none, branches 100 300 150 100):
//   得令 0 (子 is 官杀), 得地 巳丙 60 + 辰乙 30 = 90, 得生 甲 甲 200, 得助 0;
//   290 of 950 = 30.5 → 31: 偏弱 (below 34), with no raise (子's 本气 is no 火).
// Gods: born in 子 with 火 only 巳's 丙 (60 < 100) on the face of the chart, so
//   调候 decides: the table's 甲庚 for 丁 in 子 has no 火 stem but 甲 feeds 火,
//   so 用神 木, 喜神 金 (庚); the winter's 水 is 忌神; 火 and 土 are 闲神.
// Score: balance Σ|c−16| = 3+7+5+0+9 = 24 → 30 × 104/128 = 24.4 → 24;
//   strength |31−40| = 9 of the weak side's reach 40 → 30 × 31/40 = 23.25 → 23 (too weak);
//   用神 木 stands in the month and hour stems, in no branch's main qi, as 辰's
//   middle qi → 10 + 5 = 15; branches 巳子酉辰 hold 辰酉 六合 → 12 + 3 = 15.
//   Total 24 + 23 + 15 + 15 = 77.
TEST(BaziChart, ElementCountsStrengthAndScoreWorkedByHand) {
  const BaziChart chart = ChartAt({1893, 12, 26}, 8, Sex::Male, 2025);
  EXPECT_EQ(chart.elementTenths, (std::array<int, 5>{13, 23, 21, 16, 7}));
  const ChartStrength& strength = chart.judgement.strength;
  EXPECT_EQ(strength.season, 0);
  EXPECT_EQ(strength.ground, 90);
  EXPECT_EQ(strength.resourceStems, 200);
  EXPECT_EQ(strength.companionStems, 0);
  EXPECT_EQ(strength.score, 31);
  EXPECT_EQ(GbkToUtf8(StrengthVerdictName(strength.verdict)), "偏弱");
  const UsefulGods& gods = chart.judgement.gods;
  EXPECT_EQ(gods.rule, GodRule::Climate);
  EXPECT_EQ(gods.useful, Element::Wood);
  EXPECT_EQ(ElementsInRole(gods, GodRole::Favourable), std::vector<Element>{Element::Metal});
  EXPECT_EQ(ElementsInRole(gods, GodRole::Unfavourable), std::vector<Element>{Element::Water});
  EXPECT_EQ(GbkToUtf8(SeasonStateName(chart.seasonStates[static_cast<int>(Element::Fire)])), "死");
  struct Part {
    ScorePart part;
    int points;
    ScoreReason reason;
  };
  const Part parts[] = {{ScorePart::ElementBalance, 24, ScoreReason::ElementsBalanced},
                        {ScorePart::Strength, 23, ScoreReason::TooWeak},
                        {ScorePart::UsefulElement, 15, ScoreReason::UsefulRevealed},
                        {ScorePart::BranchRelations, 15, ScoreReason::BranchesHarmonious}};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(chart.score.items[k].part, parts[k].part);
    EXPECT_EQ(chart.score.items[k].points, parts[k].points) << GbkToUtf8(ScorePartName(parts[k].part));
    EXPECT_EQ(chart.score.items[k].reason, parts[k].reason) << GbkToUtf8(ScorePartName(parts[k].part));
  }
  EXPECT_EQ(chart.score.total, 77);
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
    const BaziChart chart = ChartAt(c.date, c.hour, c.sex, 2025);
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

// 流年 belong to the person: from the birth year, the years before the first
// 大运 with their 小运, then ten inside each 大运, no age below 0; the current
// year's 乙巳, 丙午, … carry the gods against a 丁 day master.
TEST(BaziChart, YearsOfTheLifeInsideTheirLuckPillars) {
  const BaziChart chart = ChartAt({1893, 12, 26}, 8, Sex::Male, 2025);
  const LuckTimeline& timeline = chart.timeline;
  int expectedYear = 1893;
  for (const MinorLuckYear& year : timeline.beforeLuck) {
    EXPECT_EQ(year.year.year, expectedYear++);
    EXPECT_EQ(year.year.nominalAge, year.year.age + 1);
  }
  ASSERT_FALSE(timeline.beforeLuck.empty());
  EXPECT_EQ(timeline.beforeLuck.front().year.age, 0);
  // 癸巳 is a yin year: a man walks back, the 小运 of 虚岁 1 is 甲辰's predecessor 癸卯.
  EXPECT_EQ(Text(timeline.beforeLuck.front().minorLuck), "癸卯");
  for (std::size_t k = 0; k < 8; ++k) {
    for (std::size_t i = 0; i < 10; ++i) {
      const YearFortune& year = timeline.byLuck[k][i];
      EXPECT_EQ(year.year, expectedYear++);
      EXPECT_EQ(year.year, chart.luck.pillars[k].startYear + static_cast<int>(i));
      EXPECT_GE(year.age, 0);
    }
  }
  EXPECT_FALSE(timeline.currentLuck);  // 2025 lies past the eighth 大运
  ASSERT_TRUE(timeline.currentFlowYear);
  const char* const expected[10] = {"乙巳偏印", "丙午劫财", "丁未比肩", "戊申伤官", "己酉食神",
                                    "庚戌正财", "辛亥偏财", "壬子正官", "癸丑七杀", "甲寅正印"};
  for (int k = 0; k < 10; ++k) {
    const YearFortune year = YearFortuneOf(2025 + k, chart.dayMaster, 1893);
    EXPECT_EQ(year.age, year.year - 1893);
    EXPECT_EQ(Text(year.pillar) + GbkToUtf8(TenGodName(year.stemGod)), expected[k]);
  }
  EXPECT_EQ(timeline.currentFlowYear->nominalAge, 133);
}

// 流月 of 2026 (丙午): 庚寅 from 立春 2026-02-04 04:02 to 辛丑 from 小寒 2027-01-05.
TEST(BaziChart, TheMonthsOfTheCurrentYearFromTheirJie) {
  const LuckTimeline timeline = ChartAt({1990, 5, 27}, 11, Sex::Female, 2026).timeline;
  struct Case {
    std::size_t month;
    const char* pillar;
    const char* god;  // against the 壬 day master
    const char* jie;
    CivilDate date;
  };
  const Case cases[] = {
      {0, "庚寅", "偏印", "立春", {2026, 2, 4}},   // the 寅 month by 五虎遁 from 丙: 庚寅
      {4, "甲午", "食神", "芒种", {2026, 6, 5}},
      {10, "庚子", "偏印", "大雪", {2026, 12, 7}},
      {11, "辛丑", "正印", "小寒", {2027, 1, 5}},  // the 丑 month opens in the next civil year
  };
  for (const Case& c : cases) {
    const FlowMonth& month = timeline.months[c.month];
    EXPECT_EQ(Text(month.pillar), c.pillar) << c.month;
    EXPECT_EQ(GbkToUtf8(TenGodName(month.stemGod)), c.god) << c.month;
    EXPECT_EQ(GbkToUtf8(TermName(month.jie)), c.jie) << c.month;
    EXPECT_EQ(DateTimeOf(month.jie.moment)->date, c.date) << c.month;
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
    const BaziChart chart = ChartAt(c.date, c.hour, Sex::Female, 2025);
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
  const BaziChart both = ChartAt({2017, 2, 3}, 23, Sex::Male, 2025);
  ASSERT_EQ(both.notes.size(), 2u);
  EXPECT_EQ(both.notes[0].kind, NoteKind::NearJie);
  EXPECT_EQ(GbkToUtf8(TermName(both.notes[0].jie)), "立春");
  EXPECT_EQ(both.notes[1].kind, NoteKind::LateRatHour);
  // Two hours and more away, daylight saving over, not 23:00: nothing to say.
  EXPECT_TRUE(ChartAt({2020, 2, 4}, 20, Sex::Male, 2025).notes.empty());
  EXPECT_TRUE(ChartAt({1990, 10, 27}, 11, Sex::Male, 2025).notes.empty());
}

// A birth without minute and place is charted as before: the pillars of the
// five-element reading, the luck cycle of the standard time and the notes of
// the local reading (the disputed week of 1988 aside), over a few hundred
// births; and every 流年 lies inside its 大运 with no age below 0.
TEST(BaziChart, ABirthWithoutMinuteOrPlaceIsChartedAsBefore) {
  unsigned state = 20260321;
  auto next = [&state](int count) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(count));
  };
  for (int k = 0; k < 400; ++k) {
    const CivilDate date{1901 + next(200), 1 + next(12), 1 + next(28)};
    const int hour = next(24);
    const Sex sex = next(2) ? Sex::Male : Sex::Female;
    const BaziChart chart = ChartAt(date, hour, sex, 2026);
    const std::string at = FormatDate(date) + " " + std::to_string(hour);
    EXPECT_EQ(chart.pillars, FourPillarsOf(date, hour)) << at;
    const LuckCycle luck = LuckCycleOf(ChinaStandardTimeOf(date, hour).time, chart.pillars, sex);
    EXPECT_EQ(chart.luck.startAge, luck.startAge) << at;
    EXPECT_EQ(chart.luck.pillars[0].pillar, luck.pillars[0].pillar) << at;
    const std::vector<ChartNote> before = ChartNotesOf(date, hour);
    ASSERT_EQ(chart.notes.size(), before.size()) << at;
    for (std::size_t n = 0; n < before.size(); ++n) {
      EXPECT_EQ(chart.notes[n].kind, before[n].kind) << at;
      EXPECT_EQ(chart.notes[n].otherReading, before[n].otherReading) << at;
    }
    for (std::size_t p = 0; p < 8; ++p) {
      for (const YearFortune& year : chart.timeline.byLuck[p]) {
        EXPECT_GE(year.age, 0) << at;
        EXPECT_GE(year.year, chart.luck.pillars[p].startYear) << at;
        EXPECT_LT(year.year, chart.luck.pillars[p].startYear + 10) << at;
      }
    }
  }
  // The week of 1988 whose daylight saving sources date differently gets its note.
  const BaziChart disputed = ChartAt({1988, 4, 12}, 11, Sex::Male, 2026);
  ASSERT_EQ(disputed.notes.size(), 1u);
  EXPECT_EQ(disputed.notes[0].kind, NoteKind::DisputedDaylightSaving);
  EXPECT_EQ(Changed(disputed.notes[0]), "时柱");  // 10:00 on a clock an hour ahead: 巳, not 午
  EXPECT_TRUE(ChartNotesOf({1988, 4, 12}, 11).empty());  // the five-element reading keeps its notes
}

TEST(BaziChart, TheChartedMomentAfterDaylightSaving) {
  const BaziChart chart = ChartAt({1988, 7, 2}, 0, Sex::Male, 2025);
  EXPECT_EQ(chart.input.clock, (DateTime{{1988, 7, 2}, 0}));
  EXPECT_EQ(chart.charted.time, (DateTime{{1988, 7, 1}, 23}));
  EXPECT_EQ(chart.charted.clock, ClockHour::DaylightSaving);
  EXPECT_EQ(chart.pillars, FourPillarsOf({1988, 7, 2}, 0));  // the same chart as 八字起名
}

TEST(BaziChart, BadBirthsAreRefusedWithTheirReason) {
  testing::ExpectErrorMessage([] { ChartAt({2000, 2, 30}, 0, Sex::Male, 2025); },
                              "birth date 2000-02-30 does not exist");
  testing::ExpectErrorMessage([] { ChartAt({1582, 10, 10}, 0, Sex::Male, 2025); },
                              "birth date 1582-10-10 does not exist");
  testing::ExpectErrorMessage([] { ChartAt({2000, 1, 1}, 24, Sex::Male, 2025); }, "birth hour 24 is outside 0..23");
  testing::ExpectErrorMessage([] { ChartAt({2000, 1, 1}, -1, Sex::Male, 2025); }, "birth hour -1 is outside 0..23");
  testing::ExpectErrorMessage([] { ChartAt({0, 1, 1}, 0, Sex::Male, 2025); }, "birth year 0 is outside 1..2100");
  testing::ExpectErrorMessage([] { ChartAt({99999, 1, 1}, 0, Sex::Male, 2025); },
                              "birth year 99999 is outside 1..2100");
  testing::ExpectErrorMessage([] { ChartAt({2000, 1, 1}, 0, Sex::Male, 0); }, "current year 0 is outside 1..9999");
  testing::ExpectErrorMessage([] { ChartAtPlace({{2000, 1, 1}, 0, 60}, 100); }, "birth minute 60 is outside 0..59");
  testing::ExpectErrorMessage([] { ChartAtPlace({{2000, 1, 1}, 0, 0}, 180.5); },
                              "longitude 180.500000 is outside -180..180");
  // The ends of the range chart without trouble.
  EXPECT_EQ(Text(ChartAt({1, 1, 1}, 0, Sex::Female, 2025).pillars.hour).size(), 6u);
  EXPECT_EQ(ChartAt({2100, 12, 31}, 23, Sex::Male, 9999).timeline.months[11].jie.year, 10000);
}

Pillar PillarOf(const std::string& utf8) {
  const std::string gbk = Utf8ToGbk(utf8);
  Pillar pillar;
  for (int i = 0; i < 10; ++i) {
    if (HeavenlyStem(i) == gbk.substr(0, 2)) pillar.stem = i;
  }
  for (int i = 0; i < 12; ++i) {
    if (EarthlyBranch(i) == gbk.substr(2, 2)) pillar.branch = i;
  }
  return pillar;
}

std::string Positions(const std::vector<PillarPosition>& positions) {
  std::string names;
  for (PillarPosition position : positions) names += GbkToUtf8(PillarPositionName(position));
  return names;
}

// Every relation of four pillars, worked from the rules of the header.
TEST(BaziChart, RelationsAmongThePillars) {
  struct Case {
    std::array<const char*, 4> pillars;
    const char* relations;  // kind positions [element]; in order
  };
  const Case cases[] = {
      // 申子辰 complete: 三合 水 and no 半合; 子卯 punish each other, 卯辰 harm.
      {{"甲申", "丙子", "戊辰", "丁卯"}, "三刑 月柱时柱|六害 日柱时柱|三合 年柱月柱日柱 水|"},
      // 甲庚 clash, 午午 punish themselves, 甲己 combine to 土, 辰酉 to 金.
      {{"庚午", "甲午", "壬辰", "己酉"}, "天干相冲 年柱月柱|自刑 年柱月柱|天干五合 月柱时柱 土|六合 日柱时柱 金|"},
      // 寅巳申 all three: one 三刑, and no punishment of the pairs; 巳申 combine and destroy.
      {{"甲寅", "己巳", "庚申", "丁亥"},
       "天干五合 年柱月柱 土|六害 年柱月柱|天干相冲 年柱日柱|六冲 年柱日柱|六合 年柱时柱 木|相破 年柱时柱|"
       "六合 月柱日柱 水|相破 月柱日柱|六冲 月柱时柱|六害 日柱时柱|三刑 年柱月柱日柱|"},
      // 寅卯辰 meet as 木; 卯未 half of 亥卯未 without 亥; 丁壬 combine, 丁癸 clash.
      {{"壬寅", "癸卯", "甲辰", "丁未"}, "天干五合 年柱时柱 木|六害 月柱日柱|天干相冲 月柱时柱|半合 月柱时柱 木|三会 年柱月柱日柱 木|"},
      // Two of 丑戌未 punish as a pair; 子丑 combine to 土.
      {{"乙丑", "戊子", "丙戌", "戊戌"}, "六合 年柱月柱 土|三刑 年柱日柱|三刑 年柱时柱|"},
  };
  for (const Case& c : cases) {
    std::vector<PlacedPillar> placed;
    for (std::size_t i = 0; i < 4; ++i) placed.push_back({kPillarPositions[i], PillarOf(c.pillars[i])});
    std::string found;
    for (const PillarRelation& relation : RelationsAmong(placed)) {
      found += GbkToUtf8(RelationName(relation.kind)) + " " + Positions(relation.positions);
      if (relation.element) found += ' ' + GbkToUtf8(ElementName(*relation.element));
      found += "|";
    }
    EXPECT_EQ(found, c.relations) << c.pillars[0] << c.pillars[1] << c.pillars[2] << c.pillars[3];
  }
}

// 胎元, 命宫 and 身宫 by hand. 毛泽东 (癸巳 甲子 丁酉 甲辰): 胎元 甲+1 子+3 = 乙卯;
// 命宫 14 − (子 11 + 辰 3) = 0 → 12 = 丑, stems of a 癸 year from 甲寅: 乙丑;
// 身宫 子 11 + 辰 5 = 16 → 4 = 巳: 丁巳. 1990-05-27 10:00 standard (庚午 辛巳 壬辰
// 乙巳): 胎元 壬申; 命宫 14 − (4 + 4) = 6 = 未, from 戊寅: 癸未; 身宫 4 + 6 = 10 = 亥: 丁亥.
TEST(BaziChart, ConceptionLifeAndBodyPalacesWorkedByHand) {
  struct Case {
    CivilDate date;
    int hour;
    const char *conception, *life, *body;
  };
  const Case cases[] = {
      {{1893, 12, 26}, 8, "乙卯", "乙丑", "丁巳"},
      {{1990, 5, 27}, 11, "壬申", "癸未", "丁亥"},
  };
  for (const Case& c : cases) {
    const ChartPalaces palaces = ChartAt(c.date, c.hour, Sex::Male, 2025).palaces;
    EXPECT_EQ(Text(palaces.conception), c.conception) << FormatDate(c.date);
    EXPECT_EQ(Text(palaces.life), c.life) << FormatDate(c.date);
    EXPECT_EQ(Text(palaces.body), c.body) << FormatDate(c.date);
  }
}

// 神煞 of 毛泽东's chart (癸巳 甲子 丁酉 甲辰) by hand from data/bazi/stars.tsv:
// 天乙 丁 → 亥酉 (the day), 癸 → 卯巳 (the year); 将星 of 巳's frame is 酉;
// 天德 of the 子 month is 巳; 月德合 of 申子辰 months is 丁; 丁酉 is a 十灵日.
TEST(BaziChart, StarsOfOneChartWorkedByHand) {
  const BaziChart chart = ChartAt({1893, 12, 26}, 8, Sex::Male, 2025);
  struct Case {
    PillarPosition position;
    const char* star;
    const char* by;  // the bases that place it
  };
  const Case cases[] = {
      {PillarPosition::Year, "天乙贵人", "年干"},   {PillarPosition::Day, "天乙贵人", "日干"},
      {PillarPosition::Year, "太极贵人", "年干"},   {PillarPosition::Day, "文昌贵人", "日干"},
      {PillarPosition::Day, "将星", "年支"},        {PillarPosition::Year, "天德贵人", "月支"},
      {PillarPosition::Day, "月德合", "月支"},      {PillarPosition::Day, "十灵日", ""},
  };
  for (const Case& c : cases) {
    std::string by = "(absent)";
    for (const ChartStar& star : chart.columns[static_cast<std::size_t>(c.position)].stars) {
      if (GbkToUtf8(star.rule->name) != c.star) continue;
      by.clear();
      for (StarBasis basis : star.by) by += GbkToUtf8(StarBasisName(basis));
    }
    EXPECT_EQ(by, c.by) << c.star;
  }
  // A branch is no star to itself: 酉 is 将星 of 巳 but not of the day's own 酉.
  for (const ChartStar& star : chart.columns[2].stars) {
    if (GbkToUtf8(star.rule->name) == "将星") {
      EXPECT_EQ(star.by, std::vector<StarBasis>{StarBasis::YearBranch});
    }
  }
  EXPECT_GE(StarRules().size(), 30u);
}

// Local true solar time for the day and hour, the instant for the year and month.
TEST(BaziChart, ChartedAtLocalTrueSolarTime) {
  struct Case {
    DateTime clock;     // Beijing time
    double longitude;
    const char* local;  // true solar time, to the minute
    const char* pillars;
  };
  const Case cases[] = {
      // 喀什: −2 h 56 min for the longitude, +16 min equation of time: 巳, not 午
      {{{2000, 11, 3}, 12, 30}, 75.99, "2000-11-03 09:50", "庚辰 丙戌 乙丑 辛巳"},
      // 乌鲁木齐 at 00:20: the day before, 亥 hour
      {{{2000, 1, 1}, 0, 20}, 87.62, "1999-12-31 22:07", "己卯 丙子 丁巳 辛亥"},
      // 哈尔滨 at 22:40: past 23:00 true solar time, so the next day's 子 hour
      {{{2000, 11, 3}, 22, 40}, 126.53, "2000-11-03 23:22", "庚辰 丙戌 丙寅 戊子"},
      // 喀什 half an hour after 立春 (17:03 Beijing): the year and month turn by the
      // instant, though the local time (14:20, the equation of time −14 min) lies
      // before the 节's Beijing clock time
      {{{2020, 2, 4}, 17, 30}, 75.99, "2020-02-04 14:20", "庚子 戊寅 丁丑 丁未"},
  };
  for (const Case& c : cases) {
    const BaziChart chart = ChartAtPlace(c.clock, c.longitude);
    char local[32];
    std::snprintf(local, sizeof local, "%s %02d:%02d", FormatDate(chart.local.date).c_str(), chart.local.hour,
                  chart.local.minute);
    EXPECT_EQ(std::string(local), c.local) << FormatDate(c.clock.date);
    EXPECT_EQ(Text(chart.pillars), c.pillars) << FormatDate(c.clock.date);
    ASSERT_TRUE(chart.correction);
    EXPECT_EQ(chart.notes.front().kind, NoteKind::TrueSolarTime);
  }
  // Without a place the minute alone decides on which side of 立春 17:03:11 a birth falls.
  BirthInput before;
  before.clock = {{2020, 2, 4}, 17, 2};
  before.hasMinute = true;
  BirthInput after = before;
  after.clock.minute = 4;
  EXPECT_EQ(Text(ChartOf(before, 2026).pillars.year), "己亥");
  EXPECT_EQ(Text(ChartOf(after, 2026).pillars.year), "庚子");
}

// The service calls this from several threads: the same birth gives the same chart.
TEST(BaziChart, ThreadsGetTheSameChart) {
  const BaziChart reference = ChartAt({1950, 8, 8}, 8, Sex::Male, 2025);
  std::vector<std::thread> threads;
  std::vector<int> totals(4);
  for (std::size_t t = 0; t < totals.size(); ++t) {
    threads.emplace_back([t, &totals] {
      for (int k = 0; k < 50; ++k) totals[t] = ChartAt({1950, 8, 8}, 8, Sex::Male, 2025).score.total;
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int total : totals) EXPECT_EQ(total, reference.score.total);
}

}  // namespace
}  // namespace velmora
