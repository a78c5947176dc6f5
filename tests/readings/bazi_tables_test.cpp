#include <gtest/gtest.h>

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "readings/empty_branches.h"
#include "readings/growth_stages.h"
#include "readings/hidden_stems.h"
#include "readings/season_states.h"
#include "readings/ten_gods.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string Utf8(const std::string& gbk) { return GbkToUtf8(gbk); }

// Rows of the standard 十神 table (any bazi primer): the day master down the
// side, the ten stems 甲 … 癸 across.
TEST(BaziTables, TenGodsAgainstTheDayMaster) {
  struct Case {
    int dayMaster;
    const char* row;  // the gods of 甲 … 癸
  };
  const Case cases[] = {
      {0, "比肩劫财食神伤官偏财正财七杀正官偏印正印"},  // 甲
      {3, "正印偏印劫财比肩伤官食神正财偏财正官七杀"},  // 丁
      {8, "食神伤官偏财正财七杀正官偏印正印比肩劫财"},  // 壬
      {5, "正官七杀正印偏印劫财比肩伤官食神正财偏财"},  // 己
  };
  for (const Case& c : cases) {
    std::string row;
    for (int stem = 0; stem < 10; ++stem) row += Utf8(TenGodName(TenGodOf(c.dayMaster, stem)));
    EXPECT_EQ(row, c.row) << c.dayMaster;
  }
}

// The 十二长生 table as almanacs print it, branch by branch from 子.
TEST(BaziTables, GrowthStagesOfTheStems) {
  struct Case {
    int stem;
    const char* row;
  };
  const Case cases[] = {
      {0, "子沐浴 丑冠带 寅临官 卯帝旺 辰衰 巳病 午死 未墓 申绝 酉胎 戌养 亥长生"},  // 甲
      {1, "子病 丑衰 寅帝旺 卯临官 辰冠带 巳沐浴 午长生 未养 申胎 酉绝 戌墓 亥死"},  // 乙
      {3, "子绝 丑墓 寅死 卯病 辰衰 巳帝旺 午临官 未冠带 申沐浴 酉长生 戌养 亥胎"},  // 丁
      {4, "子胎 丑养 寅长生 卯沐浴 辰冠带 巳临官 午帝旺 未衰 申病 酉死 戌墓 亥绝"},  // 戊, as 丙
      {6, "子死 丑墓 寅绝 卯胎 辰养 巳长生 午沐浴 未冠带 申临官 酉帝旺 戌衰 亥病"},  // 庚
      {9, "子临官 丑冠带 寅沐浴 卯长生 辰养 巳胎 午绝 未墓 申死 酉病 戌衰 亥帝旺"},  // 癸
  };
  for (const Case& c : cases) {
    std::string row;
    for (int branch = 0; branch < 12; ++branch) {
      if (branch > 0) row += " ";
      row += Utf8(EarthlyBranch(branch)) + Utf8(GrowthStageName(GrowthStageOf(c.stem, branch)));
    }
    EXPECT_EQ(row, c.row) << c.stem;
  }
}

// 甲子旬中戌亥空, 甲戌旬中申酉空, 甲申旬中午未空, 甲午旬中辰巳空, 甲辰旬中寅卯空, 甲寅旬中子丑空.
TEST(BaziTables, EmptyBranchesOfTheTenDayWeeks) {
  struct Case {
    Pillar pillar;
    const char* empty;
  };
  const Case cases[] = {
      {{0, 0}, "戌亥"},   // 甲子 opens its week
      {{9, 9}, "戌亥"},   // 癸酉 closes it
      {{6, 4}, "申酉"},   // 庚辰, week of 甲戌
      {{1, 9}, "午未"},   // 乙酉, week of 甲申
      {{3, 9}, "辰巳"},   // 丁酉, week of 甲午
      {{4, 8}, "寅卯"},   // 戊申, week of 甲辰
      {{9, 11}, "子丑"},  // 癸亥, week of 甲寅
  };
  for (const Case& c : cases) {
    const std::array<int, 2> empty = EmptyBranchesOf(c.pillar);
    EXPECT_EQ(Utf8(EarthlyBranch(empty[0]) + EarthlyBranch(empty[1])), c.empty);
  }
}

// 子宫癸水在其中，丑癸辛金己土同；寅宫甲木兼丙戊 … 亥藏壬甲是真踪, main qi first.
TEST(BaziTables, HiddenStemsOfTheBranches) {
  struct Case {
    int branch;
    const char* stems;  // stem and role, main qi first
  };
  const Case cases[] = {
      {0, "癸本气"},
      {1, "己本气癸中气辛余气"},
      {2, "甲本气丙中气戊余气"},
      {6, "丁本气己中气"},
      {10, "戊本气辛中气丁余气"},
      {11, "壬本气甲中气"},
  };
  for (const Case& c : cases) {
    std::string stems;
    int tenths = 0;
    for (const HiddenStem& hidden : HiddenStemsOf(c.branch)) {
      stems += Utf8(HeavenlyStem(hidden.stem) + QiRoleName(hidden.role));
      tenths += hidden.tenths;
    }
    EXPECT_EQ(stems, c.stems);
    EXPECT_EQ(tenths, 10) << "a branch counts as one character";
  }
}

// 春木旺火相水休金囚土死, and so for each season; 辰戌丑未 months are earth's.
TEST(BaziTables, SeasonStatesOfTheElements) {
  struct Case {
    int monthBranch;
    const char* states;  // of 金 木 水 火 土
  };
  const Case cases[] = {
      {2, "囚旺休相死"},   // 寅, spring: 木旺 火相 水休 金囚 土死
      {6, "死休囚旺相"},   // 午, summer: 火旺 土相 木休 水囚 金死
      {9, "旺死相囚休"},   // 酉, autumn: 金旺 水相 土休 火囚 木死
      {0, "休相旺死囚"},   // 子, winter: 水旺 木相 金休 土囚 火死
      {4, "相囚死休旺"},   // 辰: 土旺 金相 火休 木囚 水死
  };
  for (const Case& c : cases) {
    std::string states;
    for (int e = 0; e < 5; ++e) states += Utf8(SeasonStateName(SeasonStateOf(static_cast<Element>(e), c.monthBranch)));
    EXPECT_EQ(states, c.states) << c.monthBranch;
  }
}

}  // namespace
}  // namespace velmora
