#pragma once
// The sound of a name (音律): its tones as 平 and 仄, and what makes it hard
// or dull to say. Out of 10 points, taken off as follows:
//   neighbours that sound alike (同音, tone aside)     -3 a pair
//   neighbours with one initial (双声)                 -2 a pair
//   neighbours with one rhyme (叠韵)                   -2 a pair
//   every character in one tone (two or more)         -3
//   otherwise three or more characters all 平 or all 仄 -2
// never below 0. A character without a reading is left out of every rule.
// Texts are GBK.

#include <string>
#include <vector>

#include "services/name_chart.h"

namespace velmora::services {

inline constexpr int kSoundPoints = 10;

struct NameSound {
  std::string pattern;                // such as 平仄平; ? for a character without a reading
  std::vector<std::string> findings;  // one sentence each
  int points = kSoundPoints;
};

NameSound JudgeSound(const std::vector<NameCharacter>& characters);

}  // namespace velmora::services
