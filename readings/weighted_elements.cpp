#include "readings/weighted_elements.h"

#include "readings/hidden_stems.h"

namespace velmora {

std::array<int, 5> ElementTenths(const FourPillars& pillars) {
  std::array<int, 5> tenths{};
  for (const Pillar& pillar : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
    tenths[static_cast<std::size_t>(StemElement(pillar.stem))] += 10;
    for (const HiddenStem& hidden : HiddenStemsOf(pillar.branch)) {
      tenths[static_cast<std::size_t>(StemElement(hidden.stem))] += hidden.tenths;
    }
  }
  return tenths;
}

}  // namespace velmora
