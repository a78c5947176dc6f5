#include "tools/refdb/stroke_pairs.h"

#include <algorithm>
#include <cstdio>

namespace velmora::tools {
namespace {

constexpr int kLargestGivenNameCount = 30;

// The total number is read with 81 taken off once, as the name reading does.
int Reduced(int number) { return number > 81 ? number - 81 : number; }

int TalentScore(const std::string& verdict) {
  if (verdict == "大吉") return 2;
  if (verdict == "吉") return 1;
  return 0;
}

}  // namespace

std::string TrailingVerdictClass(const std::string& utf8) {
  static const std::string open = "（", close = "）";
  if (utf8.size() < close.size() || utf8.compare(utf8.size() - close.size(), close.size(), close) != 0) return {};
  const std::size_t start = utf8.rfind(open);
  if (start == std::string::npos) return {};
  return utf8.substr(start + open.size(), utf8.size() - close.size() - start - open.size());
}

std::string ElementOfNumber(int number) {
  static const char* const kByDigit[10] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
  return kByDigit[number % 10];
}

std::vector<std::pair<int, int>> FavourableStrokePairs(int s, const NumerologyVerdicts& verdicts,
                                                       const std::set<int>& availableCounts, std::size_t limit) {
  auto numberClass = [&](int number) {
    const auto found = verdicts.numberClass.find(Reduced(number));
    return found == verdicts.numberClass.end() ? std::string() : found->second;
  };
  struct Candidate {
    int score, a, b;
  };
  std::vector<Candidate> candidates;
  for (int a = 1; a <= kLargestGivenNameCount; ++a) {
    for (int b = 1; b <= kLargestGivenNameCount; ++b) {
      if (!availableCounts.count(a) || !availableCounts.count(b)) continue;
      const int heaven = s + 1, person = s + a, earth = a + b, outer = b + 1, total = s + a + b;
      if (numberClass(person) != "吉" || numberClass(earth) != "吉" || numberClass(total) != "吉") continue;
      const std::string outerClass = numberClass(outer);
      if (outerClass != "吉" && outerClass != "半吉" && outerClass != "吉带凶") continue;
      const auto talent = verdicts.talentClass.find(ElementOfNumber(heaven) + ElementOfNumber(person) +
                                                    ElementOfNumber(earth));
      const int talentScore = talent == verdicts.talentClass.end() ? 0 : TalentScore(talent->second);
      if (talentScore == 0) continue;
      candidates.push_back({talentScore * 2 + (outerClass == "吉" ? 1 : 0), a, b});
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& x, const Candidate& y) { return x.score > y.score; });
  std::vector<std::pair<int, int>> pairs;
  for (const Candidate& c : candidates) {
    if (pairs.size() == limit) break;
    pairs.emplace_back(c.a, c.b);
  }
  return pairs;
}

std::string StrokePairCodes(const std::vector<std::pair<int, int>>& pairs) {
  std::string codes;
  for (const auto& [a, b] : pairs) {
    char code[8];
    std::snprintf(code, sizeof code, "%02d%02d", a, b);
    if (!codes.empty()) codes += ' ';
    codes += code;
  }
  return codes;
}

}  // namespace velmora::tools
