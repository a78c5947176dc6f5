#include "readings/hidden_stems.h"

#include <array>

#include "text/gbk.h"

namespace velmora {
namespace {

enum Stem { kJia, kYi, kBing, kDing, kWu, kJi, kGeng, kXin, kRen, kGui };

constexpr HiddenStem Main(int stem, int tenths) { return {stem, QiRole::Main, tenths}; }
constexpr HiddenStem Middle(int stem, int tenths) { return {stem, QiRole::Middle, tenths}; }
constexpr HiddenStem Residual(int stem) { return {stem, QiRole::Residual, 1}; }

struct BranchStems {
  std::array<HiddenStem, 3> stems;
  std::size_t count;
};

constexpr BranchStems kTable[12] = {
    {{Main(kGui, 10)}, 1},                                         // 子: 癸
    {{Main(kJi, 6), Middle(kGui, 3), Residual(kXin)}, 3},          // 丑: 己 癸 辛
    {{Main(kJia, 6), Middle(kBing, 3), Residual(kWu)}, 3},         // 寅: 甲 丙 戊
    {{Main(kYi, 10)}, 1},                                          // 卯: 乙
    {{Main(kWu, 6), Middle(kYi, 3), Residual(kGui)}, 3},           // 辰: 戊 乙 癸
    {{Main(kBing, 6), Middle(kGeng, 3), Residual(kWu)}, 3},        // 巳: 丙 庚 戊
    {{Main(kDing, 7), Middle(kJi, 3)}, 2},                         // 午: 丁 己
    {{Main(kJi, 6), Middle(kDing, 3), Residual(kYi)}, 3},          // 未: 己 丁 乙
    {{Main(kGeng, 6), Middle(kRen, 3), Residual(kWu)}, 3},         // 申: 庚 壬 戊
    {{Main(kXin, 10)}, 1},                                         // 酉: 辛
    {{Main(kWu, 6), Middle(kXin, 3), Residual(kDing)}, 3},         // 戌: 戊 辛 丁
    {{Main(kRen, 7), Middle(kJia, 3)}, 2},                         // 亥: 壬 甲
};

}  // namespace

std::span<const HiddenStem> HiddenStemsOf(int branch) {
  const BranchStems& entry = kTable[branch];
  return {entry.stems.data(), entry.count};
}

const std::string& QiRoleName(QiRole role) {
  static const std::array<std::string, 3> names = {"本气"_gbk, "中气"_gbk, "余气"_gbk};
  return names[static_cast<std::size_t>(role)];
}

}  // namespace velmora
