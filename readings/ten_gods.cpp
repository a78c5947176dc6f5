#include "readings/ten_gods.h"

#include <array>

#include "readings/element_cycle.h"
#include "text/gbk.h"

namespace velmora {

TenGod TenGodOf(int dayMaster, int stem) {
  const ElementRelation relation = RelationOf(StemElement(dayMaster), StemElement(stem));
  const bool samePolarity = dayMaster % 2 == stem % 2;
  return static_cast<TenGod>(2 * static_cast<int>(relation) + (samePolarity ? 0 : 1));
}

const std::string& TenGodName(TenGod god) {
  static const std::array<std::string, 10> names = {"比肩"_gbk, "劫财"_gbk, "食神"_gbk, "伤官"_gbk, "偏财"_gbk,
                                                    "正财"_gbk, "七杀"_gbk, "正官"_gbk, "偏印"_gbk, "正印"_gbk};
  return names[static_cast<std::size_t>(god)];
}

}  // namespace velmora
