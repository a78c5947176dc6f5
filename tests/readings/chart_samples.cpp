#include "tests/readings/chart_samples.h"

#include <random>
#include <stdexcept>

#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";

int IndexIn(std::string_view names, std::string_view name) {
  const std::size_t at = names.find(name);
  if (name.size() != 3 || at == std::string_view::npos || at % 3) {
    throw std::invalid_argument("no stem or branch: " + std::string(name));
  }
  return static_cast<int>(at / 3);
}

}  // namespace

std::vector<DateTime> RandomBirths(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<DateTime> births;
  while (static_cast<int>(births.size()) < count) {
    DateTime birth;
    birth.date = {1901 + static_cast<int>(random() % 200), 1 + static_cast<int>(random() % 12),
                  1 + static_cast<int>(random() % 31)};
    birth.hour = static_cast<int>(random() % 24);
    if (IsExistingDate(birth.date)) births.push_back(birth);
  }
  return births;
}

std::vector<FourPillars> RandomPillars(int count, unsigned seed) {
  std::vector<FourPillars> pillars;
  for (const DateTime& birth : RandomBirths(count, seed)) pillars.push_back(FourPillarsOf(birth.date, birth.hour));
  return pillars;
}

int StemIndex(std::string_view utf8) { return IndexIn(kStems, utf8); }
int BranchIndex(std::string_view utf8) { return IndexIn(kBranches, utf8); }

FourPillars PillarsOf(std::string_view utf8) {
  if (utf8.size() != 27) throw std::invalid_argument("four pillars: " + std::string(utf8));
  Pillar pillars[4];
  for (std::size_t k = 0; k < 4; ++k) {
    pillars[k] = {StemIndex(utf8.substr(7 * k, 3)), BranchIndex(utf8.substr(7 * k + 3, 3))};
  }
  return {pillars[0], pillars[1], pillars[2], pillars[3]};
}

std::string PillarsText(const FourPillars& pillars) {
  std::string text;
  for (const Pillar& pillar : {pillars.year, pillars.month, pillars.day, pillars.hour}) {
    if (!text.empty()) text += " ";
    text += GbkToUtf8(HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch));
  }
  return text;
}

}  // namespace velmora
