#include "readings/chart_palaces.h"

#include "calendar/cycle_math.h"

namespace velmora {
namespace {

constexpr int kTiger = 2;  // 寅, where the counts start

// 寅 = 1 … 丑 = 12.
int FromTiger(int branch) { return FloorMod(branch - kTiger, 12) + 1; }

// The palace counted from 寅 = 1, with its stem by 五虎遁 from the year stem.
Pillar PalaceAt(int count, int yearStem) {
  const int firstStem = (yearStem % 5) * 2 + 2;  // the stem of 寅
  return {FloorMod(firstStem + count - 1, 10), FloorMod(kTiger + count - 1, 12)};
}

}  // namespace

ChartPalaces PalacesOf(const FourPillars& pillars) {
  ChartPalaces palaces;
  palaces.conception = {FloorMod(pillars.month.stem + 1, 10), FloorMod(pillars.month.branch + 3, 12)};
  const int month = FromTiger(pillars.month.branch);
  int life = 14 - (month + FromTiger(pillars.hour.branch));
  if (life <= 0) life += 12;
  palaces.life = PalaceAt(life, pillars.year.stem);
  int body = month + pillars.hour.branch + 1;
  if (body > 12) body -= 12;
  palaces.body = PalaceAt(body, pillars.year.stem);
  return palaces;
}

}  // namespace velmora
