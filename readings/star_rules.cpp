#include "readings/star_rules.h"

#include "text/gbk.h"

namespace velmora {

const std::string& StarBasisName(StarBasis basis) {
  static const std::array<std::string, 6> names = {"日干"_gbk, "年干"_gbk, "年支"_gbk, "日支"_gbk, "月支"_gbk, ""};
  return names[static_cast<std::size_t>(basis)];
}

const std::string& StarNatureName(StarNature nature) {
  static const std::array<std::string, 3> names = {"吉"_gbk, "凶"_gbk, "中"_gbk};
  return names[static_cast<std::size_t>(nature)];
}

}  // namespace velmora
