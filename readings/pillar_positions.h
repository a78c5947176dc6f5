#pragma once
// The four positions of a chart (年柱 月柱 日柱 时柱), and the current luck
// and year pillars (大运 流年) that meet them, for notes and relations that
// name where something stands.

#include <string>

#include "calendar/four_pillars.h"

namespace velmora {

enum class PillarPosition { Year, Month, Day, Hour, Luck, FlowYear };

inline constexpr PillarPosition kPillarPositions[4] = {PillarPosition::Year, PillarPosition::Month,
                                                       PillarPosition::Day, PillarPosition::Hour};

// One of the four positions of the chart (not Luck or FlowYear).
const Pillar& PillarAt(const FourPillars& pillars, PillarPosition position);

// 年柱 月柱 日柱 时柱 大运 流年 (GBK).
const std::string& PillarPositionName(PillarPosition position);

}  // namespace velmora
