#include <gtest/gtest.h>

#include "calendar/sexagenary.h"
#include "readings/hidden_stems.h"
#include "readings/judgement.h"
#include "tests/readings/chart_samples.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string Text(const std::string& gbk) { return GbkToUtf8(gbk); }
std::string Text(std::string_view gbk) { return GbkToUtf8(gbk); }

// "润下格", or the verdict when no special 格 holds.
std::string Shape(const Judgement& judgement) {
  if (judgement.pattern.special) return Text(PatternRuleOf(*judgement.pattern.special).name);
  return Text(StrengthVerdictName(judgement.strength.verdict));
}

std::string Elements(const UsefulGods& gods, GodRole role) {
  std::string text;
  for (const Element element : ElementsInRole(gods, role)) text += Text(ElementName(element));
  return text;
}

bool Weak(StrengthVerdict verdict) {
  return verdict == StrengthVerdict::Weak || verdict == StrengthVerdict::FollowWeak;
}

bool Strong(StrengthVerdict verdict) {
  return verdict == StrengthVerdict::Strong || verdict == StrengthVerdict::FollowStrong ||
         verdict == StrengthVerdict::Dominant;
}

// The reviewer found 75 % of charts 身弱 under the old share-of-support rule.
TEST(Judgement, NeitherSideOfTheStrengthVerdictsHoldsMostOfTwoThousandRandomBirths) {
  int weak = 0, strong = 0;
  const std::vector<FourPillars> births = RandomPillars(2000, 22);
  for (const FourPillars& pillars : births) {
    const StrengthVerdict verdict = JudgementOf(pillars).strength.verdict;
    weak += Weak(verdict);
    strong += Strong(verdict);
  }
  EXPECT_LE(weak * 100, 60 * 2000) << weak << " weak";
  EXPECT_LE(strong * 100, 60 * 2000) << strong << " strong";
}

// 得令又得地: the month's 本气 is the day master's element and another branch
// holds it too. Checked on the characters as they stand, before any 合化.
TEST(Judgement, ADayMasterHoldingTheMonthAndAnotherRootIsNeverJudgedWeak) {
  int seen = 0;
  for (const FourPillars& pillars : RandomPillars(2000, 23)) {
    const Element self = StemElement(pillars.day.stem);
    if (StemElement(HiddenStemsOf(pillars.month.branch)[0].stem) != self) continue;
    int roots = 0;
    for (const Pillar& pillar : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
      bool holds = false;
      for (const HiddenStem& hidden : HiddenStemsOf(pillar.branch)) holds = holds || StemElement(hidden.stem) == self;
      roots += holds;
    }
    if (roots < 2) continue;
    ++seen;
    EXPECT_FALSE(Weak(JudgementOf(pillars).strength.verdict)) << PillarsText(pillars);
  }
  EXPECT_GT(seen, 100);
  // 庚辰 in a 申子辰 group: the month turns to water, the verdict may not follow it below 中和.
  EXPECT_EQ(Shape(JudgementOf(PillarsOf("庚子 庚辰 戊申 辛酉"))), "中和");
}

// The two charts of the review: 水 7.0 of 8 with 用神 土 attacked a 润下
// chart; a 丙 without root was given 用神 火 with no word of 从.
TEST(Judgement, TheChartsOfTheReviewFollowWhatRulesThem) {
  const Judgement runxia = JudgementOf(PillarsOf("壬子 壬子 癸酉 壬子"));
  EXPECT_EQ(Shape(runxia), "润下格");
  EXPECT_EQ(runxia.gods.rule, GodRule::Dominant);
  EXPECT_EQ(Text(ElementName(runxia.gods.useful)), "水");
  EXPECT_EQ(Elements(runxia.gods, GodRole::Favourable), "金木");
  EXPECT_EQ(Elements(runxia.gods, GodRole::Unfavourable), "土");
  ASSERT_EQ(runxia.gods.reasons.size(), 1u);
  EXPECT_NE(Text(runxia.gods.reasons[0]).find("官杀触犯旺神"), std::string::npos);

  const Judgement follow = JudgementOf(PillarsOf("癸丑 辛酉 丙子 己亥"));
  EXPECT_EQ(Shape(follow), "从财格");
  EXPECT_EQ(Text(ElementName(follow.gods.useful)), "金");
  EXPECT_EQ(follow.gods.roleOf[static_cast<std::size_t>(Element::Fire)], GodRole::Unfavourable);
  EXPECT_NE(Text(follow.pattern.specialReason).find("弃命从财"), std::string::npos);
}

// Charts worked in 滴天髓阐微 (任铁樵's commentary on 滴天髓), chapter named
// beside each, with the verdict and the 用神 (when he names one) as he gives
// them. "-" leaves the 用神 unchecked where he names the 格 only.
TEST(Judgement, ClassicalChartsGetTheirPublishedVerdicts) {
  struct Case {
    const char* pillars;
    const char* shape;   // special 格, or the verdict of an ordinary chart
    const char* useful;  // 用神 element
  };
  const Case cases[] = {
      {"戊戌 丙辰 乙未 丙戌", "从财格", "土"},  // 从象: 四柱皆财，其势必从
      {"壬寅 壬寅 庚寅 戊寅", "从财格", "木"},  // 从象: 四支皆寅，戊土虽生犹死
      {"丙寅 庚寅 壬午 乙巳", "从财格", "火"},  // 从象: 一点庚金临绝，从财格真
      {"丁卯 壬寅 庚午 丙戌", "从杀格", "火"},  // 从象: 支全火局，从象斯真
      {"辛巳 辛丑 乙酉 乙酉", "从杀格", "金"},  // 从象: 支全金局，从杀斯真
      {"癸卯 乙卯 甲寅 乙亥", "曲直格", "木"},  // 从象: 从其旺神
      {"丙午 甲午 丙午 甲午", "炎上格", "火"},  // 从象: 四柱皆刃，可顺而不可逆
      {"丙戌 壬辰 癸巳 甲寅", "从势格", "火"},  // 从象: 财官伤三者并旺，从其势，喜坐下财星
      {"癸酉 乙丑 丙申 丙申", "从势格", "金"},  // 从象: 从化金水之势
      {"癸亥 乙卯 己未 丁卯", "从杀格", "木"},  // 假从: 不得不从杀
      {"丁卯 壬寅 癸卯 丙辰", "从儿格", "火"},  // 顺局: 水木从儿，以时干丙火为用
      {"丁巳 癸卯 癸卯 丙辰", "从儿格", "-"},   // 顺局: 亦水木从儿
      {"己未 丁丑 丙戌 戊戌", "从儿格", "金"},  // 顺局: 火土从儿，丑中辛财为用
      {"己未 辛未 丙戌 戊戌", "从儿格", "金"},  // 顺局: 从儿又见儿（辛金）
      {"壬子 辛亥 辛卯 辛卯", "从儿格", "-"},   // 顺局: 地支临绝，格取从儿
      {"癸酉 甲子 癸亥 辛酉", "润下格", "水"},  // 知命: 昆仑之水，可顺而不可逆
      {"辛酉 辛丑 己酉 丙寅", "中和", "火"},    // 知命: 日主过泄，用神必在丙火
      {"壬辰 壬寅 甲寅 庚午", "偏强", "火"},    // 知命: 旺极宜泄，以午火为用，不取庚金
      {"癸巳 癸亥 甲寅 壬申", "偏强", "火"},    // 地支: 寒木必须用火
      {"辛卯 丁酉 戊子 戊午", "偏弱", "火"},    // 地支: 伤官用印
      {"戊辰 壬戌 辛未 己丑", "偏强", "水"},    // 地支: 满局印绶，壬水用神
      {"丙子 辛卯 壬子 癸卯", "偏强", "木"},    // 地支: 喜卯旺提纲，泄其菁英
      {"戊子 庚申 壬寅 辛丑", "偏强", "木"},    // 合局: 重重印绶，以寅木为用
  };
  for (const Case& c : cases) {
    const Judgement judgement = JudgementOf(PillarsOf(c.pillars));
    EXPECT_EQ(Shape(judgement), c.shape) << c.pillars;
    if (std::string(c.useful) != "-") {
      EXPECT_EQ(Text(ElementName(judgement.gods.useful)), c.useful) << c.pillars;
    }
  }
}

// A winter 丁 with little fire was told 用神 水 (it needs 甲 to feed it);
// only one that gives itself up to the water (从杀) follows it.
TEST(Judgement, ACold丁ThatDoesNotFollowNeverTakesWaterForItsUsefulElement) {
  int seen = 0;
  for (const FourPillars& pillars : RandomPillars(4000, 24)) {
    const int month = pillars.month.branch;
    if (pillars.day.stem != StemIndex("丁") || (month != BranchIndex("亥") && month != BranchIndex("子") &&
                                                month != BranchIndex("丑"))) {
      continue;
    }
    const Judgement judgement = JudgementOf(pillars);
    if (SurfaceWeights(pillars, judgement.strength.combinations)[static_cast<std::size_t>(Element::Fire)] >=
        kRemedyWeight || judgement.strength.verdict == StrengthVerdict::FollowWeak) {
      continue;
    }
    ++seen;
    EXPECT_NE(judgement.gods.useful, Element::Water) << PillarsText(pillars);
  }
  EXPECT_GT(seen, 20);
}

// The 格 of the month: 禄 and 刃 first, then the first hidden stem that shows.
TEST(Judgement, TheRegularPatternIsReadFromTheMonth) {
  struct Case {
    const char* pillars;
    const char* pattern;
    const char* reasonPart;
  };
  const Case cases[] = {
      {"庚午 戊寅 甲子 丙寅", "建禄格", "寅为日主甲木临官之地"},
      {"辛卯 丁酉 庚午 丙子", "月刃格", "酉为阳干庚金帝旺之地"},
      {"辛未 庚寅 乙丑 己卯", "月劫格", "非禄非刃"},          // 乙 in 寅, neither 丙 nor 戊 shows
      {"甲申 戊辰 戊午 戊午", "正官格", "中气乙木为正官"},    // 杂气: 辰 holds 戊 乙 癸, none shows but 戊
      {"庚午 戊寅 丙辰 戊子", "食神格", "透于月干、时干"},    // 寅's 余气 戊 shows twice
      {"丙子 丁酉 甲寅 甲子", "正官格", "以本气辛金"},        // 酉's 辛 does not show
  };
  for (const Case& c : cases) {
    const ChartPattern pattern = JudgementOf(PillarsOf(c.pillars)).pattern;
    EXPECT_EQ(Text(PatternRuleOf(pattern.regular).name), c.pattern) << c.pillars;
    EXPECT_NE(Text(pattern.reason).find(c.reasonPart), std::string::npos) << Text(pattern.reason);
  }
}

TEST(Judgement, CombinationsTransformOnlyWhenTheSeasonCarriesThem) {
  struct Case {
    const char* pillars;
    int transformedStemPairs;
    bool groupTransforms;
  };
  const Case cases[] = {
      {"甲辰 己巳 丙午 庚寅", 0, false},  // 甲己 would turn to 土, but the 巳 month is fire
      {"甲戌 己未 丙午 庚寅", 1, false},  // 甲己 化土 in the 未 month; 寅午戌 without the month
      {"丁卯 壬寅 丁巳 庚子", 0, false},  // 丁壬 in the 寅 month, but 壬 is courted from both sides
      {"甲子 丙寅 丁亥 壬寅", 0, false},  // 丁壬 with the day master never transforms
      {"庚申 甲申 丙子 壬辰", 0, true},   // 申子辰 with the month 申 turns to water
  };
  for (const Case& c : cases) {
    const ChartCombinations found = CombinationsOf(PillarsOf(c.pillars));
    int transformed = 0;
    for (const StemCombination& pair : found.stems) transformed += pair.transforms;
    EXPECT_EQ(transformed, c.transformedStemPairs) << c.pillars;
    EXPECT_EQ(found.branches && found.branches->transforms, c.groupTransforms) << c.pillars;
  }
}

// Cells of the 调候 table as 穷通宝鉴 gives them, at both ends of the stems
// and the months, so that a shifted or misread row shows.
TEST(Judgement, TheClimateTableHoldsTheBooksStemsForEachMonth) {
  struct Case {
    const char* stem;
    const char* month;
    const char* stems;
    const char* source;
  };
  const Case cases[] = {
      {"甲", "寅", "丙癸", "穷通宝鉴·三春甲木·正月"},
      {"丁", "子", "甲庚", "穷通宝鉴·三冬丁火·十一月"},
      {"庚", "午", "壬癸", "穷通宝鉴·三夏庚金·五月"},
      {"癸", "丑", "丙丁", "穷通宝鉴·三冬癸水·十二月"},
      {"癸", "亥", "庚辛戊丁", "穷通宝鉴·三冬癸水·十月"},
  };
  for (const Case& c : cases) {
    const ClimateRule& rule = ClimateRuleOf(StemIndex(c.stem), BranchIndex(c.month));
    std::string stems;
    for (int i = 0; i < rule.count; ++i) stems += Text(HeavenlyStem(rule.stems[static_cast<std::size_t>(i)]));
    EXPECT_EQ(stems, c.stems) << c.stem << c.month;
    EXPECT_EQ(Text(rule.source), c.source);
  }
}

}  // namespace
}  // namespace velmora
