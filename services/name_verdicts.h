#pragma once
// What the naming pages read in the name-numerology tables: the verdict and
// the motto of each of the 81 numbers (八十一划), the verdict of a three
// talents text (三才吉凶), the element a stroke count stands for, and the
// tone of a character (pinyin). Texts are GBK.

#include <optional>
#include <string>

#include "services/sources.h"

namespace velmora::services {

// The number as the name reading looks it up: above 81, 81 is taken off once.
int EightyOneNumber(int number);

// The verdict in brackets at the end of a number's text, such as 吉, 凶带吉;
// empty for a number the table does not hold.
std::string NumberVerdict(const Sources& sources, int number);
// The first sentence of a number's text without its full stop, such as
// 太极之数，万物开泰; empty for a number the table does not hold.
std::string NumberMotto(const Sources& sources, int number);
// The verdict of a three-talents text such as 木火土 (吉, 大吉, 半吉, ...);
// empty for a text the table does not hold.
std::string TalentsVerdict(const Sources& sources, const std::string& talents);

// The element of a grid number by its last digit: 木 1 2, 火 3 4, 土 5 6, 金 7 8, 水 9 0.
std::string ElementOfNumber(int number);
// The element that the given one gives birth to (木生火, 火生土, 土生金, 金生水, 水生木).
std::string ElementBornOf(const std::string& element);

// The tone 1..4 of the first Mandarin reading of a character, 5 for a
// neutral tone; nothing for a character the pinyin table does not hold.
std::optional<int> ToneOf(const Sources& sources, const std::string& character);

// True for a character of the first, common level of GB2312 (3755 characters).
bool IsCommonCharacter(const std::string& character);

}  // namespace velmora::services
