#include "tools/services/mandarin_readings.h"

#include <stdexcept>

#include "text/utf8.h"
#include "tools/refdb/unihan.h"

namespace velmora::tools {
namespace {

struct MarkedLetter {
  char32_t marked;
  char letter;
  int tone;
};

// The letters with tone marks that kMandarin writes; ü is v.
constexpr MarkedLetter kMarkedLetters[] = {
    {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4}, {U'ē', 'e', 1}, {U'é', 'e', 2},
    {U'ě', 'e', 3}, {U'è', 'e', 4}, {U'ī', 'i', 1}, {U'í', 'i', 2}, {U'ǐ', 'i', 3}, {U'ì', 'i', 4},
    {U'ō', 'o', 1}, {U'ó', 'o', 2}, {U'ǒ', 'o', 3}, {U'ò', 'o', 4}, {U'ū', 'u', 1}, {U'ú', 'u', 2},
    {U'ǔ', 'u', 3}, {U'ù', 'u', 4}, {U'ǖ', 'v', 1}, {U'ǘ', 'v', 2}, {U'ǚ', 'v', 3}, {U'ǜ', 'v', 4},
    {U'ü', 'v', 0}, {U'ḿ', 'm', 2}, {U'ń', 'n', 2}, {U'ň', 'n', 3}, {U'ǹ', 'n', 4},
};

}  // namespace

std::string NumberedPinyin(std::string_view marked) {
  std::string letters;
  int tone = 0;
  for (const char32_t c : DecodeUtf8(marked)) {
    if (c >= U'a' && c <= U'z') {
      letters += static_cast<char>(c);
      continue;
    }
    const MarkedLetter* found = nullptr;
    for (const MarkedLetter& each : kMarkedLetters) {
      if (each.marked == c) found = &each;
    }
    if (!found) throw std::runtime_error("no pinyin letter: " + std::string(marked));
    if (found->tone != 0 && tone != 0) throw std::runtime_error("two tone marks: " + std::string(marked));
    letters += found->letter;
    if (found->tone != 0) tone = found->tone;
  }
  if (letters.empty()) throw std::runtime_error("empty reading");
  return letters + std::to_string(tone == 0 ? 5 : tone);
}

std::map<char32_t, std::string> ReadMandarinReadings(const std::string& path) {
  std::map<char32_t, std::string> readings;
  ReadUnihanFields(path, [&](char32_t c, const std::string& field, const std::string& values) {
    if (field == "kMandarin") readings[c] = NumberedPinyin(values.substr(0, values.find(' ')));
  });
  if (readings.empty()) throw std::runtime_error("no kMandarin readings in " + path);
  return readings;
}

}  // namespace velmora::tools
