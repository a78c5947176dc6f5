#pragma once
// Personal names proposed for a surname: the surname's 康熙 strokes and those
// of given-name characters from the reviewed list (personal_name_characters:
// 汉字, 性别 男/女/通, 字义) make the five grids; a name is proposed only when
// its 人格, 地格 and 总格 are 吉 in the 81 numbers, its 三才 is 吉 or 大吉,
// every given-name character is common (GB2312 level 1), no character
// repeats and the tones are not all the same. Texts are GBK.

#include <string>
#include <vector>

#include "services/sources.h"

namespace velmora::services {

inline constexpr int kNameProposals = 24;

struct NameRequest {
  std::string surname;  // one character
  bool girl = false;
  int length = 3;  // of the whole name: 2 or 3
};

struct ProposedName {
  std::string name;
  int heaven = 0;
  int person = 0;
  int earth = 0;
  int outer = 0;
  int total = 0;  // as the name reading shows it: above 81, 81 taken off once
  std::string outerVerdict;
  std::string talents;  // such as 土木火
  std::string talentsVerdict;
  int score = 0;  // 0..100
  std::string meaning;  // each given-name character with its meaning
};

// How a name scores: 60, plus 8 for each of 人格, 地格 and 总格 that is 吉,
// 6 for a 吉 外格 (3 for a half-good one: 半吉, 中吉, 吉带凶), 6 for a 大吉
// 三才 (3 for 吉), and 4 when level (1st, 2nd) and oblique (3rd, 4th) tones
// both occur.
int NameScore(const ProposedName& name, const std::vector<int>& tones);

// Up to kNameProposals names, best score first; among equal scores, names
// whose characters stand in the list's first 400 rows (the characters most
// given in names) first, then a fixed mix of the surname and the name, so the same request always gets
// the same list and other surnames get other lists. A given-name character
// appears in at most two of them. Nothing when the surname's strokes are unknown.
std::vector<ProposedName> ProposeNames(const Sources& sources, const NameRequest& request);

}  // namespace velmora::services
