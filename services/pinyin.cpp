#include "services/pinyin.h"

#include <algorithm>
#include <iterator>

#include "text/gbk.h"
#include "text/utf8.h"

namespace velmora::services {
namespace {

struct MarkedLetter {
  char32_t marked;
  char letter;
  int tone;  // 0: the letter carries no tone
};

// The marked letters of pinyin; ü is v.
constexpr MarkedLetter kMarkedLetters[] = {
    {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4}, {U'ē', 'e', 1}, {U'é', 'e', 2},
    {U'ě', 'e', 3}, {U'è', 'e', 4}, {U'ī', 'i', 1}, {U'í', 'i', 2}, {U'ǐ', 'i', 3}, {U'ì', 'i', 4},
    {U'ō', 'o', 1}, {U'ó', 'o', 2}, {U'ǒ', 'o', 3}, {U'ò', 'o', 4}, {U'ū', 'u', 1}, {U'ú', 'u', 2},
    {U'ǔ', 'u', 3}, {U'ù', 'u', 4}, {U'ǖ', 'v', 1}, {U'ǘ', 'v', 2}, {U'ǚ', 'v', 3}, {U'ǜ', 'v', 4},
    {U'ü', 'v', 0}, {U'ê', 'e', 0}, {U'ḿ', 'm', 2}, {U'ń', 'n', 2}, {U'ň', 'n', 3}, {U'ǹ', 'n', 4},
};

bool IsApicalInitial(const std::string& initial) {
  return initial == "zh" || initial == "ch" || initial == "sh" || initial == "r" || initial == "z" || initial == "c" ||
         initial == "s";
}

// The final as pinyin's tables write it in full: yu -> v, wei -> uei, ju -> jv, liu -> iou.
std::string FullFinal(const std::string& letters, const std::string& initial) {
  std::string final = letters.substr(initial.size());
  if (initial.empty() && final.starts_with("yu")) {
    final.replace(0, 2, "v");
  } else if (initial.empty() && final.starts_with("yi")) {
    final.erase(0, 1);
  } else if (initial.empty() && final.starts_with("y")) {
    final[0] = 'i';
  } else if (initial.empty() && final.starts_with("wu")) {
    final.erase(0, 1);
  } else if (initial.empty() && final.starts_with("w")) {
    final[0] = 'u';
  }
  if ((initial == "j" || initial == "q" || initial == "x") && !final.empty() && final[0] == 'u') final[0] = 'v';
  if (final == "iu") return "iou";
  if (final == "ui") return "uei";
  if (final == "un") return "uen";
  if (IsApicalInitial(initial) && final == "i") return "-i";
  return final;
}

}  // namespace

std::optional<Syllable> ParseSyllable(const std::string& gbkMarked) {
  Syllable syllable{{}, 5};
  bool marked = false;
  for (const char32_t c : DecodeUtf8(GbkToUtf8(gbkMarked))) {
    if (c >= U'a' && c <= U'z') {
      syllable.letters += static_cast<char>(c);
      continue;
    }
    const MarkedLetter* letter = std::find_if(std::begin(kMarkedLetters), std::end(kMarkedLetters),
                                              [c](const MarkedLetter& each) { return each.marked == c; });
    if (letter == std::end(kMarkedLetters) || (letter->tone != 0 && marked)) return std::nullopt;
    syllable.letters += letter->letter;
    if (letter->tone != 0) {
      syllable.tone = letter->tone;
      marked = true;
    }
  }
  if (syllable.letters.empty()) return std::nullopt;
  return syllable;
}

std::string ToneName(int tone) {
  switch (tone) {
    case 1: return "阴平"_gbk;
    case 2: return "阳平"_gbk;
    case 3: return "上声"_gbk;
    case 4: return "去声"_gbk;
    default: return "轻声"_gbk;
  }
}

std::string LevelOrOblique(int tone) {
  if (tone == 1 || tone == 2) return "平"_gbk;
  if (tone == 3 || tone == 4) return "仄"_gbk;
  return "轻"_gbk;
}

std::string Initial(const Syllable& syllable) {
  const std::string& letters = syllable.letters;
  for (const char* two : {"zh", "ch", "sh"}) {
    if (letters.starts_with(two)) return two;
  }
  static constexpr std::string_view kInitials = "bpmfdtnlgkhjqxrzcs";
  // A lone m or n (呣, 嗯) is a syllable of its own, not an initial.
  if (letters.size() > 1 && kInitials.find(letters[0]) != std::string_view::npos) return letters.substr(0, 1);
  return {};
}

std::string Rhyme(const Syllable& syllable) {
  const std::string final = FullFinal(syllable.letters, Initial(syllable));
  if (final == "ie" || final == "ve") return "eh";  // the ê of 姐 and 月 is not the e of 歌
  const bool medial = final.size() > 1 && (final[0] == 'i' || final[0] == 'u' || final[0] == 'v');
  if (medial && std::string_view("aeo").find(final[1]) != std::string_view::npos) return final.substr(1);
  return final;
}

}  // namespace velmora::services
