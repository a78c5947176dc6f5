#pragma once
// The five states of the elements in the month of birth (旺相休囚死): the
// element of the month branch (寅卯 木, 巳午 火, 申酉 金, 亥子 水, 辰未戌丑 土)
// prospers, the element it generates rises, the element that generates it
// rests, the element that controls it is confined and the element it controls
// is dead.

#include <string>

#include "calendar/four_pillars.h"

namespace velmora {

enum class SeasonState { Prosperous, Rising, Resting, Confined, Dead };  // 旺 相 休 囚 死

SeasonState SeasonStateOf(Element element, int monthBranch);

// 旺 相 休 囚 死 (GBK).
const std::string& SeasonStateName(SeasonState state);

}  // namespace velmora
