#pragma once
// The words the 八字 judgement writes its reasons with (GBK): the five kinds
// of ten god by element, stems with their element, and the places of a chart.

#include <string>
#include <vector>

#include "readings/element_cycle.h"
#include "readings/pillar_positions.h"

namespace velmora {

// 比劫 食伤 财星 官杀 印星.
const std::string& RelationGodsName(ElementRelation relation);
// 甲木, for stems 0..9.
std::string StemElementText(int stem);
// 年干、时干 (stems) or 年支、日支 (branches), in the order given.
std::string PlacesText(const std::vector<PillarPosition>& positions, bool branches);
// A weight in hundredths of a character as tenths: 180 → "1.8", 200 → "2".
std::string WeightText(int hundredths);
// part of whole as a rounded percentage: "36%".
std::string PercentText(int part, int whole);
// Texts joined by 、.
std::string JoinedText(const std::vector<std::string>& texts);

}  // namespace velmora
