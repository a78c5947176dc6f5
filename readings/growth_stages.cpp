#include "readings/growth_stages.h"

#include <array>

#include "calendar/cycle_math.h"
#include "text/gbk.h"

namespace velmora {

GrowthStage GrowthStageOf(int stem, int branch) {
  static constexpr int kBirthBranch[10] = {11, 6, 2, 9, 2, 9, 5, 0, 8, 3};  // 亥 午 寅 酉 寅 酉 巳 子 申 卯
  const int start = kBirthBranch[stem];
  return static_cast<GrowthStage>(stem % 2 == 0 ? FloorMod(branch - start, 12) : FloorMod(start - branch, 12));
}

const std::string& GrowthStageName(GrowthStage stage) {
  static const std::array<std::string, 12> names = {"长生"_gbk, "沐浴"_gbk, "冠带"_gbk, "临官"_gbk,
                                                    "帝旺"_gbk, "衰"_gbk,   "病"_gbk,   "死"_gbk,
                                                    "墓"_gbk,   "绝"_gbk,   "胎"_gbk,   "养"_gbk};
  return names[static_cast<std::size_t>(stage)];
}

}  // namespace velmora
