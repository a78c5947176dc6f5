#pragma once
// One Mandarin syllable as the service's tables write it, tone-marked ("zhāng",
// GBK), taken apart for the name pages: its letters (v for ü) and tone, the
// tone's name, 平 or 仄, and the initial and rhyme that 双声 and 叠韵 compare.

#include <optional>
#include <string>

namespace velmora::services {

struct Syllable {
  std::string letters;  // "zhang", "lv"
  int tone = 5;         // 1..4, 5 the neutral tone
  bool operator==(const Syllable&) const = default;
};

// "zhāng" -> {zhang, 1}, "lǚ" -> {lv, 3}, "de" -> {de, 5}, "ň" -> {n, 3} (GBK);
// nothing for a text that is no single syllable, such as the "?" that stands
// for a reading GBK cannot write.
std::optional<Syllable> ParseSyllable(const std::string& gbkMarked);

// GBK: "阴平", "阳平", "上声", "去声", "轻声".
std::string ToneName(int tone);

// GBK: "平" for the first two tones, "仄" for the third and fourth, "轻" for the neutral tone.
std::string LevelOrOblique(int tone);

// The initial consonant ("zh", "b"); empty for a syllable without one
// (y and w only spell a medial).
std::string Initial(const Syllable& syllable);

// The rhyme: the final without its medial, spelled the same however the
// syllable writes it ("jiang", "wang" and "zhang" share "ang"; "liu" and
// "you" share "ou"; the -i of zhi, ci and ri is no "i").
std::string Rhyme(const Syllable& syllable);

}  // namespace velmora::services
