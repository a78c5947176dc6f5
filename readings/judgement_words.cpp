#include "readings/judgement_words.h"

#include <array>

#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora {

const std::string& RelationGodsName(ElementRelation relation) {
  static const std::array<std::string, 5> names = {"比劫"_gbk, "食伤"_gbk, "财星"_gbk, "官杀"_gbk, "印星"_gbk};
  return names[static_cast<std::size_t>(relation)];
}

std::string StemElementText(int stem) { return HeavenlyStem(stem) + ElementName(StemElement(stem)); }

std::string PlacesText(const std::vector<PillarPosition>& positions, bool branches) {
  static const std::array<std::string, 4> stems = {"年干"_gbk, "月干"_gbk, "日干"_gbk, "时干"_gbk};
  static const std::array<std::string, 4> seats = {"年支"_gbk, "月支"_gbk, "日支"_gbk, "时支"_gbk};
  std::vector<std::string> names;
  for (const PillarPosition position : positions) {
    names.push_back((branches ? seats : stems)[static_cast<std::size_t>(position)]);
  }
  return JoinedText(names);
}

std::string WeightText(int hundredths) {
  const int tenths = (hundredths + 5) / 10;
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10) text.append(".").append(std::to_string(tenths % 10));
  return text;
}

std::string PercentText(int part, int whole) { return std::to_string((200 * part + whole) / (2 * whole)) + "%"; }

std::string JoinedText(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) {
    if (!joined.empty()) joined += "、"_gbk;
    joined += text;
  }
  return joined;
}

}  // namespace velmora
