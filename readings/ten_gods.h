#pragma once
// The ten gods (十神): what a heavenly stem is to the day master, by the
// relation of their elements and whether their polarity (yin or yang) is the
// same.

#include <string>

namespace velmora {

enum class TenGod {
  Companion,         // 比肩: same element, same polarity
  RobWealth,         // 劫财: same element, other polarity
  EatingGod,         // 食神: the day master generates it, same polarity
  HurtingOfficer,    // 伤官
  IndirectWealth,    // 偏财: the day master controls it, same polarity
  DirectWealth,      // 正财
  SevenKillings,     // 七杀: it controls the day master, same polarity
  DirectOfficer,     // 正官
  IndirectResource,  // 偏印: it generates the day master, same polarity
  DirectResource,    // 正印
};

// Stems 0..9 (甲 … 癸).
TenGod TenGodOf(int dayMaster, int stem);

// 比肩 … 正印 (GBK).
const std::string& TenGodName(TenGod god);

}  // namespace velmora
