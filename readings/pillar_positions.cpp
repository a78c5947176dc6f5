#include "readings/pillar_positions.h"

#include <array>

#include "text/gbk.h"

namespace velmora {

const Pillar& PillarAt(const FourPillars& pillars, PillarPosition position) {
  const Pillar* const byPosition[4] = {&pillars.year, &pillars.month, &pillars.day, &pillars.hour};
  return *byPosition[static_cast<int>(position)];
}

const std::string& PillarPositionName(PillarPosition position) {
  static const std::array<std::string, 6> names = {"年柱"_gbk, "月柱"_gbk, "日柱"_gbk,
                                                  "时柱"_gbk, "大运"_gbk, "流年"_gbk};
  return names[static_cast<std::size_t>(position)];
}

}  // namespace velmora
