#pragma once
// Favourable stroke pairs for two-character given names: for a surname of s
// strokes and given-name characters of a and b strokes the grids are
// 天 s+1, 人 s+a, 地 a+b, 外 b+1, 总 s+a+b; a pair is favourable when the
// person, earth and total numbers are good, the outer one is not bad and the
// three talents of heaven, person and earth are judged good.

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace velmora::tools {

struct NumerologyVerdicts {
  std::map<int, std::string> numberClass;          // 1..81 -> 吉, 凶, 半吉, 吉带凶, 凶带吉
  std::map<std::string, std::string> talentClass;  // 木火土 -> 大吉, 吉, 中吉, 半吉, 凶, 大凶
};

// The class written in full-width brackets at the end of a verdict text:
// "……（吉带凶）" -> "吉带凶"; empty when there is none.
std::string TrailingVerdictClass(const std::string& utf8);

// 木 for a last digit 1 or 2, 火 3/4, 土 5/6, 金 7/8, 水 9/0.
std::string ElementOfNumber(int number);

// Pairs (a, b) with both counts among `availableCounts`, best first, at most `limit`.
std::vector<std::pair<int, int>> FavourableStrokePairs(int surnameStrokes, const NumerologyVerdicts& verdicts,
                                                       const std::set<int>& availableCounts, std::size_t limit);

// "0312 0527 1121": two digits per count, one blank between codes.
std::string StrokePairCodes(const std::vector<std::pair<int, int>>& pairs);

}  // namespace velmora::tools
