#include "calendar/shichen.h"

#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora {

std::string HourToShichen(int hour) {
  if (hour < 0 || hour > 23) return {};
  return EarthlyBranch((hour + 1) / 2 % 12) + "时"_gbk;
}

}  // namespace velmora
