#pragma once
// The stems hidden in each earthly branch (藏干), as the common almanac table
// prints them: the branch's own qi (本气) first, then the middle (中气) and the
// residual qi (余气). 子卯酉 hold one stem, 午亥 two, the others three. (The
// 人元司令 reckoning names 丑's 辛 the middle qi and its 癸 the residual one,
// and so for 辰未戌; we follow the printed table.)
//
// Each branch counts as one character in the element counts, shared among
// its stems in tenths: 10 for one stem, 7 + 3 for two, 6 + 3 + 1 for three.

#include <span>
#include <string>

namespace velmora {

enum class QiRole { Main, Middle, Residual };  // 本气 中气 余气

struct HiddenStem {
  int stem = 0;  // 0..9
  QiRole role = QiRole::Main;
  int tenths = 10;  // its share of the branch
};

// Branch 0..11 (子 … 亥); one to three stems, the main qi first.
std::span<const HiddenStem> HiddenStemsOf(int branch);

// 本气 中气 余气 (GBK).
const std::string& QiRoleName(QiRole role);

}  // namespace velmora
