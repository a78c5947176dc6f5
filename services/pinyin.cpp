#include "services/pinyin.h"

#include <algorithm>
#include <array>

#include "text/gbk.h"

namespace velmora::services {
namespace {

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

// The tone-marked vowels, tones 1..4 in order (UTF-8).
std::string MarkedVowel(char vowel, int tone) {
  static constexpr std::array<std::pair<char, std::array<const char*, 4>>, 5> kVowels = {{
      {'a', {"ā", "á", "ǎ", "à"}},
      {'e', {"ē", "é", "ě", "è"}},
      {'i', {"ī", "í", "ǐ", "ì"}},
      {'o', {"ō", "ó", "ǒ", "ò"}},
      {'u', {"ū", "ú", "ǔ", "ù"}},
  }};
  if (vowel == 'v') {
    static constexpr std::array<const char*, 5> kU = {"ǖ", "ǘ", "ǚ", "ǜ", "ü"};
    return kU[static_cast<std::size_t>(tone - 1)];
  }
  if (tone == 5) return std::string(1, vowel);
  for (const auto& [letter, marks] : kVowels) {
    if (letter == vowel) return marks[static_cast<std::size_t>(tone - 1)];
  }
  return std::string(1, vowel);
}

// Where pinyin puts the mark: on a or e, on the o of ou, else on the last vowel.
std::size_t MarkPosition(const std::string& letters) {
  for (const char preferred : {'a', 'e'}) {
    if (const std::size_t at = letters.find(preferred); at != std::string::npos) return at;
  }
  if (const std::size_t at = letters.find("ou"); at != std::string::npos) return at;
  const std::size_t last = letters.find_last_of("iouv");
  if (last != std::string::npos) return last;
  return letters.find_first_of("mn");  // the syllabic m and n of 呣 and 嗯
}

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

std::optional<Syllable> ParseSyllable(const std::string& numbered) {
  if (numbered.size() < 2) return std::nullopt;
  const char digit = numbered.back();
  const std::string letters = numbered.substr(0, numbered.size() - 1);
  if (digit < '1' || digit > '5' || !std::all_of(letters.begin(), letters.end(), IsLetter)) return std::nullopt;
  return Syllable{letters, digit - '0'};
}

std::string ToneMarked(const Syllable& syllable) {
  const std::string numbered = syllable.letters + std::to_string(syllable.tone);
  const std::size_t at = MarkPosition(syllable.letters);
  if (at == std::string::npos) return numbered;
  std::string utf8 = syllable.letters;
  const char vowel = utf8[at];
  std::string marked;
  if (vowel == 'm' || vowel == 'n') {
    // Of the marked m and n, GBK holds ń, ň and ǹ; the rest stay numbered.
    static const std::array<const char*, 5> kM = {"", "ḿ", "", "", "m"};
    static const std::array<const char*, 5> kN = {"", "ń", "ň", "ǹ", "n"};
    marked = (vowel == 'm' ? kM : kN)[static_cast<std::size_t>(syllable.tone - 1)];
    if (marked.empty()) return numbered;
  } else {
    marked = MarkedVowel(vowel, syllable.tone);
  }
  utf8.replace(at, 1, marked);
  // Every other v is an ü too.
  for (std::size_t v; (v = utf8.find('v')) != std::string::npos;) utf8.replace(v, 1, "ü");
  const std::string gbk = Utf8ToGbk(utf8);
  return gbk.find('?') == std::string::npos ? gbk : numbered;
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
