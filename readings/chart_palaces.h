#pragma once
// 胎元, 命宫 and 身宫 of a chart. Schools differ; we follow the common almanac
// reckoning:
// - 胎元: the month pillar's stem one step on, its branch three steps on
//   (the tenth month before birth), such as 丙寅 → 丁巳;
// - 命宫: count the month branch and the hour branch from 寅 = 1 (卯 2 … 丑 12);
//   the palace is 14 minus their sum (plus 12 while not above 0), counted from
//   寅 = 1;
// - 身宫: the month counted from 寅 = 1 and the hour from 子 = 1; the palace is
//   their sum (minus 12 when above 12), counted from 寅 = 1.
// The month is the chart's 节 month (not the 中气 of the Sun's sign, which
// other schools take), and the stems of 命宫 and 身宫 come by 五虎遁 from the
// year's stem.

#include <string>

#include "calendar/four_pillars.h"

namespace velmora {

struct ChartPalaces {
  Pillar conception;  // 胎元
  Pillar life;        // 命宫
  Pillar body;        // 身宫
};

ChartPalaces PalacesOf(const FourPillars& pillars);

}  // namespace velmora
