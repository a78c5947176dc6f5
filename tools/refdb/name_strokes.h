#pragma once
// Stroke counts as name numerology counts them: the traditional form of the
// character as used in personal names, its Kangxi radical counted in full
// (氵 as 水 4, 扌 as 手 4, 艹 as 艸 6, 阝 as 阜 8 or 邑 7, 辶 as 辵 7, 月 as 肉 6
// where the radical is 肉) plus the residual strokes; a character that is its
// own radical keeps its own count, and the numerals 一 … 十 count by value.

#include <map>
#include <optional>

#include "tools/refdb/unihan.h"

namespace velmora::tools {

// Strokes of Kangxi radical 1..214 written in full.
int KangxiRadicalStrokes(int radical);

// Reviewed choices for simplified characters whose traditional form in names
// is not the obvious one (胡 stays 胡, 后 stays 后 as a surname, 叶 is 葉).
using NameFormPolicy = std::map<char32_t, char32_t>;

class NameStrokes {
 public:
  NameStrokes(const Unihan& unihan, NameFormPolicy policy) : unihan_(unihan), policy_(std::move(policy)) {}

  // The traditional form used in names: the reviewed choice, else Unihan's
  // first form other than the character itself, else the character.
  char32_t TraditionalForm(char32_t c) const;
  // The name-numerology count, or nothing for a character Unihan does not know.
  std::optional<int> StrokeCount(char32_t c) const;

 private:
  const Unihan& unihan_;
  NameFormPolicy policy_;
};

}  // namespace velmora::tools
