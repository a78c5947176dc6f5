#include "services/name_sound.h"

#include <algorithm>

#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kSameSoundLoss = 3;
constexpr int kAlliterationLoss = 2;
constexpr int kRhymeLoss = 2;
constexpr int kOneToneLoss = 3;
constexpr int kFlatLoss = 2;

std::string Quoted(const std::string& character) { return "“"_gbk + character + "”"_gbk; }

std::string CountText(std::size_t count) {
  static const char* const kDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  return count < 10 ? Utf8ToGbk(kDigits[count]) : std::to_string(count);
}

}  // namespace

NameSound JudgeSound(const std::vector<NameCharacter>& characters) {
  NameSound sound;
  std::vector<const NameCharacter*> read;
  for (const NameCharacter& character : characters) {
    sound.pattern += character.reading ? LevelOrOblique(character.reading->tone) : "?";
    if (character.reading) {
      read.push_back(&character);
    } else {
      sound.findings.push_back(Quoted(character.text) + "查不到普通话读音，音律按其余各字评定。"_gbk);
    }
  }
  auto lose = [&](int points, std::string finding) {
    sound.points = std::max(0, sound.points - points);
    sound.findings.push_back(std::move(finding));
  };
  for (std::size_t i = 0; i + 1 < characters.size(); ++i) {
    const NameCharacter& a = characters[i];
    const NameCharacter& b = characters[i + 1];
    if (!a.reading || !b.reading) continue;
    const std::string pair = Quoted(a.text) + Quoted(b.text);
    if (a.reading->letters == b.reading->letters) {
      lose(kSameSoundLoss, pair + "同音（"_gbk + a.reading->letters + "），连读含混难辨。"_gbk);
      continue;
    }
    const std::string initial = Initial(*a.reading);
    if (!initial.empty() && initial == Initial(*b.reading)) {
      lose(kAlliterationLoss, pair + "双声（声母"_gbk + initial + "），连读略显拗口。"_gbk);
    }
    if (Rhyme(*a.reading) == Rhyme(*b.reading)) {
      lose(kRhymeLoss, pair + "叠韵（韵母相近），读来少变化。"_gbk);
    }
  }
  if (read.size() >= 2) {
    const int tone = read.front()->reading->tone;
    const bool oneTone = std::all_of(read.begin(), read.end(), [&](const NameCharacter* c) { return c->reading->tone == tone; });
    const std::string level = LevelOrOblique(tone);
    const bool oneLevel = std::all_of(read.begin(), read.end(),
                                      [&](const NameCharacter* c) { return LevelOrOblique(c->reading->tone) == level; });
    if (oneTone) {
      lose(kOneToneLoss, CountText(read.size()) + "字同为"_gbk + ToneName(tone) + "，声调平直，少起伏。"_gbk);
    } else if (oneLevel && read.size() >= 3 && tone != 5) {
      lose(kFlatLoss, CountText(read.size()) + "字皆为"_gbk + level + "声，读来少抑扬。"_gbk);
    }
  }
  if (sound.points == kSoundPoints && read.size() >= 2) {
    sound.findings.push_back("平仄相间，声调有起伏，读来顺口响亮。"_gbk);
  }
  if (!characters.empty() && characters.back().reading) {
    const int last = characters.back().reading->tone;
    sound.findings.push_back(last == 1 || last == 2 ? "末字平声，收音舒展响亮。"_gbk
                                                    : last == 5 ? "末字轻声，收音偏弱。"_gbk : "末字仄声，收音短促有力。"_gbk);
  }
  return sound;
}

}  // namespace velmora::services
