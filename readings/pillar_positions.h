#pragma once
// The four positions of a chart (年柱 月柱 日柱 时柱), for notes and relations
// that name where something stands.

#include <string>

#include "calendar/four_pillars.h"

namespace velmora {

enum class PillarPosition { Year, Month, Day, Hour };

inline constexpr PillarPosition kPillarPositions[4] = {PillarPosition::Year, PillarPosition::Month,
                                                       PillarPosition::Day, PillarPosition::Hour};

const Pillar& PillarAt(const FourPillars& pillars, PillarPosition position);

// 年柱 月柱 日柱 时柱 (GBK).
const std::string& PillarPositionName(PillarPosition position);

}  // namespace velmora
