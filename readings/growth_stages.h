#pragma once
// The twelve stages of growth (十二长生) of a heavenly stem in the earthly
// branches. Each stem is born (长生) in one branch — 甲 in 亥, 丙 and 戊 in 寅,
// 庚 in 巳, 壬 in 申; 乙 in 午, 丁 and 己 in 酉, 辛 in 子, 癸 in 卯 — and the yang
// stems walk the branches forward, the yin stems backward (阳顺阴逆).

#include <string>

namespace velmora {

enum class GrowthStage {
  Birth,       // 长生
  Bath,        // 沐浴
  Cap,         // 冠带
  Office,      // 临官
  Peak,        // 帝旺
  Decline,     // 衰
  Sickness,    // 病
  Death,       // 死
  Tomb,        // 墓
  Extinction,  // 绝
  Womb,        // 胎
  Nurture,     // 养
};

// Stem 0..9, branch 0..11.
GrowthStage GrowthStageOf(int stem, int branch);

// 长生 … 养 (GBK).
const std::string& GrowthStageName(GrowthStage stage);

}  // namespace velmora
