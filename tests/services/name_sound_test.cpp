#include <gtest/gtest.h>

#include "services/name_chart.h"
#include "services/name_sound.h"
#include "services/pinyin.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

Syllable S(const char* numbered) { return *ParseSyllable(numbered); }

TEST(Pinyin, SyllablesAreReadOnlyInTheirNumberedForm) {
  EXPECT_EQ(ParseSyllable("zhang1"), (Syllable{"zhang", 1}));
  EXPECT_EQ(ParseSyllable("de5"), (Syllable{"de", 5}));
  for (const char* bad : {"", "1", "zhang", "zhang6", "zhang0", "Zhang1", "zh ang1", "zhāng1"}) {
    EXPECT_FALSE(ParseSyllable(bad)) << bad;
  }
}

TEST(Pinyin, TheMarkSitsWherePinyinPutsIt) {
  struct Case {
    const char* numbered;
    const char* marked;
  };
  const Case cases[] = {
      {"zhang1", "zhāng"}, {"ou1", "ōu"},   {"liu2", "liú"},  // iu: on the last vowel
      {"gui4", "guì"},     {"xue2", "xué"}, {"lv3", "lǚ"},    {"lve4", "lüè"},  // e before the ü
      {"nv5", "nü"},       {"de5", "de"},   {"er2", "ér"},    {"n3", "ň"},
      {"ng2", "ńg"},       {"m2", "m2"},    {"m1", "m1"},     // GBK has no ḿ or m̄: the number stays
      {"jiong3", "jiǒng"},
  };
  for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(ToneMarked(S(c.numbered))), c.marked) << c.numbered;
}

TEST(Pinyin, InitialsAndRhymesAsAlliterationAndRhymeCompareThem) {
  struct Case {
    const char* numbered;
    const char* initial;
    const char* rhyme;
  };
  const Case cases[] = {
      {"zhang1", "zh", "ang"}, {"jiang1", "j", "ang"}, {"wang2", "", "ang"},  // one rhyme, medials aside
      {"liu2", "l", "ou"},     {"you3", "", "ou"},     {"gui4", "g", "ei"},   {"wei4", "", "ei"},
      {"zhi4", "zh", "-i"},    {"ci2", "c", "-i"},     {"li3", "l", "i"},     // the -i of zhi is no i
      {"ju1", "j", "v"},       {"yu2", "", "v"},       {"lv4", "l", "v"},     {"jun1", "j", "vn"},
      {"yue4", "", "eh"},      {"jie3", "j", "eh"},    {"ge1", "g", "e"},     // the ê of 月 is not the e of 歌
      {"lun2", "l", "en"},     {"yin1", "", "in"},     {"m2", "", "m"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Initial(S(c.numbered)), c.initial) << c.numbered;
    EXPECT_EQ(Rhyme(S(c.numbered)), c.rhyme) << c.numbered;
  }
}

TEST(Pinyin, ToneNamesAndLevels) {
  const char* const names[] = {"阴平", "阳平", "上声", "去声", "轻声"};
  const char* const levels[] = {"平", "平", "仄", "仄", "轻"};
  for (int tone = 1; tone <= 5; ++tone) {
    EXPECT_EQ(GbkToUtf8(ToneName(tone)), names[tone - 1]);
    EXPECT_EQ(GbkToUtf8(LevelOrOblique(tone)), levels[tone - 1]);
  }
}

std::vector<NameCharacter> Characters(std::initializer_list<std::pair<const char*, const char*>> readings) {
  std::vector<NameCharacter> characters;
  for (const auto& [text, numbered] : readings) {
    NameCharacter character;
    character.text = Utf8ToGbk(text);
    if (numbered) character.reading = ParseSyllable(numbered);
    characters.push_back(character);
  }
  return characters;
}

TEST(NameSound, PointsAreTakenForWhatIsHardOrDullToSay) {
  struct Case {
    std::vector<NameCharacter> characters;
    const char* pattern;
    int points;
    std::vector<const char*> findings;
  };
  const Case cases[] = {
      // varied tones, nothing shared: full points
      {Characters({{"李", "li3"}, {"明", "ming2"}, {"亮", "liang4"}}), "仄平仄", 10,
       {"平仄相间，声调有起伏，读来顺口响亮。", "末字仄声，收音短促有力。"}},
      // one tone throughout
      {Characters({{"张", "zhang1"}, {"三", "san1"}, {"丰", "feng1"}}), "平平平", 7,
       {"三字同为阴平，声调平直，少起伏。", "末字平声，收音舒展响亮。"}},
      // alike in sound, and one tone
      {Characters({{"吴", "wu2"}, {"婷", "ting2"}, {"婷", "ting2"}}), "平平平", 4,
       {"“婷”“婷”同音（ting），连读含混难辨。", "三字同为阳平，声调平直，少起伏。", "末字平声，收音舒展响亮。"}},
      // alliteration and rhyme between the same neighbours
      {Characters({{"张", "zhang1"}, {"章", "zhang3"}}), "平仄", 7, {"“张”“章”同音（zhang），连读含混难辨。", "末字仄声，收音短促有力。"}},
      {Characters({{"张", "zhang1"}, {"振", "zhen4"}, {"明", "ming2"}}), "平仄平", 8,
       {"“张”“振”双声（声母zh），连读略显拗口。", "末字平声，收音舒展响亮。"}},
      {Characters({{"王", "wang2"}, {"江", "jiang1"}, {"月", "yue4"}}), "平平仄", 8,
       {"“王”“江”叠韵（韵母相近），读来少变化。", "末字仄声，收音短促有力。"}},
      // all oblique, tones differing
      {Characters({{"李", "li3"}, {"四", "si4"}, {"海", "hai3"}}), "仄仄仄", 8, {"三字皆为仄声，读来少抑扬。", "末字仄声，收音短促有力。"}},
      // a character without a reading is left out of every rule
      {Characters({{"李", "li3"}, {"兙", nullptr}, {"明", "ming2"}}), "仄?平", 10,
       {"“兙”查不到普通话读音，音律按其余各字评定。", "平仄相间，声调有起伏，读来顺口响亮。", "末字平声，收音舒展响亮。"}},
      {Characters({{"a", nullptr}}), "?", 10, {"“a”查不到普通话读音，音律按其余各字评定。"}},
      // never below 0
      {Characters({{"张", "zhang1"}, {"张", "zhang1"}, {"张", "zhang1"}, {"张", "zhang1"}}), "平平平平", 0,
       {"“张”“张”同音（zhang），连读含混难辨。", "“张”“张”同音（zhang），连读含混难辨。", "“张”“张”同音（zhang），连读含混难辨。",
        "四字同为阴平，声调平直，少起伏。", "末字平声，收音舒展响亮。"}},
  };
  for (const Case& c : cases) {
    const NameSound sound = JudgeSound(c.characters);
    EXPECT_EQ(GbkToUtf8(sound.pattern), c.pattern);
    EXPECT_EQ(sound.points, c.points) << c.pattern;
    std::vector<std::string> findings;
    for (const std::string& finding : sound.findings) findings.push_back(GbkToUtf8(finding));
    EXPECT_EQ(findings, std::vector<std::string>(c.findings.begin(), c.findings.end())) << c.pattern;
  }
}

}  // namespace
}  // namespace velmora::services
