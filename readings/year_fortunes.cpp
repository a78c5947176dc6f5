#include "readings/year_fortunes.h"

namespace velmora {

YearFortune YearFortuneOf(int year, int dayMaster, int birthYear) {
  YearFortune fortune;
  fortune.year = year;
  fortune.pillar = YearPillarOf(year);
  fortune.stemGod = TenGodOf(dayMaster, fortune.pillar.stem);
  fortune.age = year - birthYear;
  fortune.nominalAge = fortune.age + 1;
  return fortune;
}

}  // namespace velmora
