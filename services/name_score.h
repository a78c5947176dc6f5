#pragma once
// The score of a name out of 100, the same for the same name every time:
//   人格 (the main fortune)      20 points
//   地格 (the early years)       15
//   外格 (other people)          10
//   总格 (the later years)       20
//   三才 (the three talents)     15
//   音律 (the sound, name_sound.h) 10
//   用字 (common characters)     10
// A grid earns its points in the share its 81-number verdict gives: 吉 all,
// 半吉 70 %, 吉带凶 60 %, 凶带吉 40 %, 凶 20 %. The set 外格 2 of a one-character
// surname with a one-character given name is no verdict on the name and earns
// 70 %. The three talents earn 大吉 100 %, 吉 85 %, 中吉 70 %, 半吉 55 %, 凶 25 %,
// 大凶 10 %. 用字 loses 2 points for every character of GB2312 level 2 and 4
// for every one outside GB2312 (name_chart.h). Shares are rounded to whole
// points, half up. Texts are GBK.

#include <optional>
#include <string>
#include <vector>

#include "services/name_chart.h"
#include "services/name_sound.h"

namespace velmora::services {

struct ScoreLine {
  std::string item;    // 人格, 三才, 音律 …
  int points = 0;
  int weight = 0;
  std::string reason;  // such as 21（吉）
};

struct NameScore {
  std::vector<ScoreLine> lines;
  int total = 0;
};

// Nothing for a chart that is not complete.
std::optional<NameScore> ScoreName(const NameChart& chart, const NameSound& sound);

// The method above as sentences for the pages.
std::vector<std::string> ScoreMethod();

// A word on a total: 90 and more 上佳, 80 良好, 70 中上, 60 平常, below 欠佳.
std::string ScoreWord(int total);

}  // namespace velmora::services
