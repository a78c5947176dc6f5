#pragma once
// A name as the name pages read it: its characters, split into surname and
// given name, with each character's 康熙 strokes, form in names, Mandarin
// reading, element and rarity; the five grids with the verdicts of their
// 81 numbers; and the three talents with theirs. Texts are GBK.

#include <optional>
#include <string>
#include <vector>

#include "readings/five_grids.h"
#include "services/pinyin.h"
#include "services/sources.h"

namespace velmora::services {

// How common a character is: among the 3,755 of GB2312 level 1, among the
// 3,008 of its level 2, elsewhere in GBK, or no ideograph at all.
enum class CharacterUse { Common, LessCommon, Rare, NoIdeograph };

struct NameCharacter {
  std::string text;         // one character: two bytes, or one for a byte outside the ideographs
  std::string traditional;  // its form in names (table hz); empty when there is none
  std::optional<int> strokes;
  std::string readingText;          // tone-marked, such as zhāng; empty without a reading
  std::optional<Syllable> reading;  // the surname's own reading where it has one
  CharacterUse use = CharacterUse::NoIdeograph;
  std::string element;              // 木 火 土 金 水, empty without strokes
  bool elementByMeaning = false;    // from the element's name-character list, else by the strokes' last digit
};

// One of the five grids and what the number says.
struct GridVerdict {
  std::string name;    // 天格, 人格, 地格, 外格, 总格
  std::optional<int> number;
  int eightyOne = 0;   // the number as the 81 verdicts read it (name_verdicts.h)
  std::string element;
  std::string verdictClass;  // 吉, 半吉, 吉带凶, 凶带吉 or 凶
  std::string summary;       // the verdict's first sentence, such as 太极之数，万物开泰
  std::string text;          // the whole verdict
};

struct NameChart {
  std::string name;
  int surnameLength = 0;  // characters
  std::vector<NameCharacter> characters;
  std::vector<GridVerdict> grids;  // 天格, 人格, 地格, 外格, 总格
  bool fixedOuter = false;         // a one-character surname and given name: 外格 is the set number 2
  std::string threeTalents;        // such as 木火土; empty when a grid of it is missing
  std::string talentClass;         // 大吉, 吉, 中吉, 半吉, 凶 or 大凶
  std::string talentText;

  // Every grid has a number.
  bool Complete() const;
  std::optional<std::string> Problem() const;
};

// The characters of a GBK text: two bytes for a double-byte character, one for any other byte.
std::vector<std::string> SplitCharacters(const std::string& gbk);

// Level 1 of GB2312 is GBK B0A1..D7F9, level 2 D8A1..F7FE; the other
// double-byte characters of GBK count as rare here.
CharacterUse UseOf(const std::string& gbkCharacter);

// The chart of a surname (one or two characters) and a given name.
NameChart ChartName(const std::string& surname, const std::string& givenName, const Sources& sources);

// The chart of a whole name, whose surname has two characters when they are a
// compound surname of table surname_readings.
NameChart ChartFullName(const std::string& name, const Sources& sources);

}  // namespace velmora::services
