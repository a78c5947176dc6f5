#include "readings/season_states.h"

#include <array>

#include "readings/element_cycle.h"
#include "text/gbk.h"

namespace velmora {

SeasonState SeasonStateOf(Element element, int monthBranch) {
  // By what the element is to the month's element.
  static constexpr SeasonState kByRelation[5] = {SeasonState::Prosperous, SeasonState::Rising, SeasonState::Dead,
                                                 SeasonState::Confined, SeasonState::Resting};
  return kByRelation[static_cast<int>(RelationOf(BranchElement(monthBranch), element))];
}

const std::string& SeasonStateName(SeasonState state) {
  static const std::array<std::string, 5> names = {"旺"_gbk, "相"_gbk, "休"_gbk, "囚"_gbk, "死"_gbk};
  return names[static_cast<std::size_t>(state)];
}

}  // namespace velmora
