#include "readings/year_fortunes.h"

namespace velmora {

std::array<YearFortune, 10> YearFortunesFrom(int firstYear, int dayMaster, int birthYear) {
  std::array<YearFortune, 10> years;
  for (int k = 0; k < 10; ++k) {
    YearFortune& fortune = years[static_cast<std::size_t>(k)];
    fortune.year = firstYear + k;
    fortune.pillar = YearPillarOf(fortune.year);
    fortune.stemGod = TenGodOf(dayMaster, fortune.pillar.stem);
    fortune.age = fortune.year - birthYear;
  }
  return years;
}

}  // namespace velmora
