#include "readings/judgement.h"

namespace velmora {

Judgement JudgementOf(const FourPillars& pillars) {
  Judgement judgement;
  judgement.strength = StrengthOfChart(pillars);
  judgement.pattern = PatternOf(pillars, judgement.strength);
  judgement.gods = UsefulGodsOf(pillars, judgement.strength, judgement.pattern);
  return judgement;
}

}  // namespace velmora
