#pragma once
// The judgement of a 八字 chart a practitioner reads off it: how strong the
// day master is (readings/strength_method.h), the 格局 (readings/chart_pattern.h)
// and the 用神, 喜神, 忌神 and 闲神 with the rule that decided them
// (readings/useful_gods.h), each with its reasons in GBK. A pure function of
// the pillars: it reads no file and gives the same answer on any thread.

#include "calendar/four_pillars.h"
#include "readings/chart_pattern.h"
#include "readings/strength_method.h"
#include "readings/useful_gods.h"

namespace velmora {

struct Judgement {
  ChartStrength strength;
  ChartPattern pattern;
  UsefulGods gods;
};

Judgement JudgementOf(const FourPillars& pillars);

}  // namespace velmora
