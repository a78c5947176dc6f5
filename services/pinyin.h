#pragma once
// One Mandarin syllable as the service's tables write it ("zhang1": ASCII
// letters, v for ü, the tone as a digit, 5 for the neutral tone), and what the
// name pages say about it: the tone-marked spelling, the tone's name, 平 or 仄,
// and the initial and rhyme that 双声 and 叠韵 compare.

#include <optional>
#include <string>

namespace velmora::services {

struct Syllable {
  std::string letters;  // "zhang", "lv"
  int tone = 5;         // 1..4, 5 the neutral tone
  bool operator==(const Syllable&) const = default;
};

// "zhang1" -> {zhang, 1}; nothing for a text that is not letters and one tone digit.
std::optional<Syllable> ParseSyllable(const std::string& numbered);

// GBK: "zhāng", "lǚ", "ň"; where GBK has no letter for the mark (ḿ, say) the
// numbered form "m2".
std::string ToneMarked(const Syllable& syllable);

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
