#include <gtest/gtest.h>

#include "services/name_chart.h"
#include "services/name_sound.h"
#include "services/pinyin.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

Syllable S(const char* marked) { return *ParseSyllable(Utf8ToGbk(marked)); }

TEST(Pinyin, TonesAreReadFromTheMarks) {
  struct Case {
    const char* marked;
    Syllable syllable;
  };
  const Case cases[] = {
      {"zhāng", {"zhang", 1}}, {"liú", {"liu", 2}}, {"lǚ", {"lv", 3}},  {"lüè", {"lve", 4}},  // ü alone carries no tone
      {"nü", {"nv", 5}},       {"de", {"de", 5}},   {"ň", {"n", 3}},    {"ńg", {"ng", 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseSyllable(Utf8ToGbk(c.marked)), c.syllable) << c.marked;
  for (const char* bad : {"", "?", "zhāng1", "āá", "Zhang", "zh ang", "张"}) {
    EXPECT_FALSE(ParseSyllable(Utf8ToGbk(bad))) << bad;
  }
}

TEST(Pinyin, InitialsAndRhymesAsAlliterationAndRhymeCompareThem) {
  struct Case {
    const char* marked;
    const char* initial;
    const char* rhyme;
  };
  const Case cases[] = {
      {"zhāng", "zh", "ang"}, {"jiāng", "j", "ang"}, {"wáng", "", "ang"},  // one rhyme, medials aside
      {"liú", "l", "ou"},     {"yǒu", "", "ou"},     {"guì", "g", "ei"},   {"wèi", "", "ei"},
      {"zhì", "zh", "-i"},    {"cí", "c", "-i"},     {"lǐ", "l", "i"},     // the -i of zhi is no i
      {"jū", "j", "v"},       {"yú", "", "v"},       {"lǜ", "l", "v"},     {"jūn", "j", "vn"},
      {"yuè", "", "eh"},      {"jiě", "j", "eh"},    {"gē", "g", "e"},     // the ê of 月 is not the e of 歌
      {"lún", "l", "en"},     {"yīn", "", "in"},     {"ň", "", "n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Initial(S(c.marked)), c.initial) << c.marked;
    EXPECT_EQ(Rhyme(S(c.marked)), c.rhyme) << c.marked;
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
  for (const auto& [text, marked] : readings) {
    NameCharacter character;
    character.text = Utf8ToGbk(text);
    if (marked) character.reading = ParseSyllable(Utf8ToGbk(marked));
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
      {Characters({{"李", "lǐ"}, {"明", "míng"}, {"亮", "liàng"}}), "仄平仄", 10,
       {"平仄相间，声调有起伏，读来顺口响亮。", "末字仄声，收音短促有力。"}},
      // one tone throughout
      {Characters({{"张", "zhāng"}, {"三", "sān"}, {"丰", "fēng"}}), "平平平", 7,
       {"三字同为阴平，声调平直，少起伏。", "末字平声，收音舒展响亮。"}},
      // alike in sound, and one tone
      {Characters({{"吴", "wú"}, {"婷", "tíng"}, {"婷", "tíng"}}), "平平平", 4,
       {"“婷”“婷”同音（ting），连读含混难辨。", "三字同为阳平，声调平直，少起伏。", "末字平声，收音舒展响亮。"}},
      // alliteration and rhyme between the same neighbours
      {Characters({{"张", "zhāng"}, {"章", "zhǎng"}}), "平仄", 7, {"“张”“章”同音（zhang），连读含混难辨。", "末字仄声，收音短促有力。"}},
      {Characters({{"张", "zhāng"}, {"振", "zhèn"}, {"明", "míng"}}), "平仄平", 8,
       {"“张”“振”双声（声母zh），连读略显拗口。", "末字平声，收音舒展响亮。"}},
      {Characters({{"王", "wáng"}, {"江", "jiāng"}, {"月", "yuè"}}), "平平仄", 8,
       {"“王”“江”叠韵（韵母相近），读来少变化。", "末字仄声，收音短促有力。"}},
      // all oblique, tones differing
      {Characters({{"李", "lǐ"}, {"四", "sì"}, {"海", "hǎi"}}), "仄仄仄", 8, {"三字皆为仄声，读来少抑扬。", "末字仄声，收音短促有力。"}},
      // a character without a reading is left out of every rule
      {Characters({{"李", "lǐ"}, {"兙", nullptr}, {"明", "míng"}}), "仄?平", 10,
       {"“兙”查不到普通话读音，音律按其余各字评定。", "平仄相间，声调有起伏，读来顺口响亮。", "末字平声，收音舒展响亮。"}},
      {Characters({{"a", nullptr}}), "?", 10, {"“a”查不到普通话读音，音律按其余各字评定。"}},
      // never below 0
      {Characters({{"张", "zhāng"}, {"张", "zhāng"}, {"张", "zhāng"}, {"张", "zhāng"}}), "平平平平", 0,
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
