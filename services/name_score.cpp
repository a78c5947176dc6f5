#include "services/name_score.h"

#include <algorithm>
#include <array>

#include "text/gbk.h"

namespace velmora::services {
namespace {

struct Share {
  const char* verdictClass;  // UTF-8
  int percent;
};

constexpr std::array<Share, 5> kNumberShares = {{{"吉", 100}, {"半吉", 70}, {"吉带凶", 60}, {"凶带吉", 40}, {"凶", 20}}};
constexpr std::array<Share, 6> kTalentShares = {
    {{"大吉", 100}, {"吉", 85}, {"中吉", 70}, {"半吉", 55}, {"凶", 25}, {"大凶", 10}}};
constexpr int kFixedOuterPercent = 70;

struct GridWeight {
  std::size_t grid;  // index in NameChart::grids
  int weight;
};
constexpr std::array<GridWeight, 4> kGridWeights = {{{1, 20}, {2, 15}, {3, 10}, {4, 20}}};
constexpr int kTalentWeight = 15;
constexpr int kCharacterWeight = 10;
constexpr int kLessCommonCharacterLoss = 2;
constexpr int kRareCharacterLoss = 4;

template <std::size_t N>
int Percent(const std::array<Share, N>& shares, const std::string& gbkClass) {
  for (const Share& share : shares) {
    if (Utf8ToGbk(share.verdictClass) == gbkClass) return share.percent;
  }
  return 0;
}

int Points(int weight, int percent) { return (weight * percent + 50) / 100; }

}  // namespace

std::optional<NameScore> ScoreName(const NameChart& chart, const NameSound& sound) {
  if (!chart.Complete()) return std::nullopt;
  NameScore score;
  for (const GridWeight& each : kGridWeights) {
    const GridVerdict& grid = chart.grids[each.grid];
    const std::string number = std::to_string(*grid.number);
    if (each.grid == 3 && chart.fixedOuter) {
      score.lines.push_back({grid.name, Points(each.weight, kFixedOuterPercent), each.weight,
                             number + "（单名外格定数，不论吉凶）"_gbk});
      continue;
    }
    score.lines.push_back({grid.name, Points(each.weight, Percent(kNumberShares, grid.verdictClass)), each.weight,
                           number + "（"_gbk + grid.verdictClass + "）"_gbk});
  }
  score.lines.push_back({"三才"_gbk, Points(kTalentWeight, Percent(kTalentShares, chart.talentClass)), kTalentWeight,
                         chart.threeTalents + "（"_gbk + chart.talentClass + "）"_gbk});
  score.lines.push_back({"音律"_gbk, sound.points, kSoundPoints, sound.pattern});
  std::string uncommon;
  int usePoints = kCharacterWeight;
  for (const NameCharacter& character : chart.characters) {
    if (character.use == CharacterUse::Common) continue;
    uncommon += character.text;
    usePoints -= character.use == CharacterUse::LessCommon ? kLessCommonCharacterLoss : kRareCharacterLoss;
  }
  score.lines.push_back({"用字"_gbk, std::max(0, usePoints), kCharacterWeight,
                         uncommon.empty() ? "皆为常用字"_gbk : "非常用字："_gbk + uncommon});
  for (const ScoreLine& line : score.lines) score.total += line.points;
  return score;
}

std::vector<std::string> ScoreMethod() {
  return {
      "评分满分100分：人格20分、地格15分、外格10分、总格20分、三才15分、音律10分、用字10分。"_gbk,
      "各格按其数理吉凶得分：吉得全分，半吉七成，吉带凶六成，凶带吉四成，凶二成；单姓单名的外格为定数2，按七成计。"_gbk,
      "三才按配置吉凶得分：大吉全分，吉八成半，中吉七成，半吉五成半，凶二成半，大凶一成。"_gbk,
      "音律满分10分：相邻两字同音扣3分，双声、叠韵各扣2分，全名同一声调扣3分，三字以上皆平或皆仄扣2分。"_gbk,
      "用字满分10分：3755个常用字（国标一级字库）之外，每有一个次常用字（国标二级字库）扣2分，每有一个国标字库之外的生僻字扣4分。各项得分四舍五入取整。"_gbk,
  };
}

std::string ScoreWord(int total) {
  if (total >= 90) return "上佳"_gbk;
  if (total >= 80) return "良好"_gbk;
  if (total >= 70) return "中上"_gbk;
  if (total >= 60) return "平常"_gbk;
  return "欠佳"_gbk;
}

}  // namespace velmora::services
