#pragma once
// The rules that place the 神煞 on a chart's pillars, as the reviewed table
// data/bazi/stars.tsv gives them with the classical source of each. The build
// turns that table into the constant rules below (tools/bazi/build_star_table),
// so charting reads no file. GBK texts.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace velmora {

// What a rule starts from.
enum class StarBasis { DayStem, YearStem, YearBranch, DayBranch, MonthBranch, None };  // 日干 年干 年支 日支 月支 无
// What it looks at in the pillars.
enum class StarTarget { Branch, Stem, StemOrBranch, DayPillar, DayOrHourPillar };  // 地支 天干 干支 日柱 日柱、时柱
enum class StarNature { Good, Bad, Mixed };  // 吉 凶 中

inline constexpr int kStarBranchBit = 16;  // StemOrBranch: stems in bits 0..9, branches from this bit

struct StarRule {
  const char* name;    // GBK, such as 天乙贵人
  const char* source;  // GBK, the book and chapter
  StarNature nature = StarNature::Good;
  std::array<StarBasis, 2> bases{StarBasis::None, StarBasis::None};  // the second None when one
  StarTarget target = StarTarget::Branch;
  // By the basis value (stem 0..9 or branch 0..11; index 0 for None): the
  // stems, branches (bit = index) or pillars (bit = cycle index) looked for.
  std::array<std::uint64_t, 12> hits{};
};

// Every rule, in the order of the table.
std::span<const StarRule> StarRules();

// 日干 年干 年支 日支 月支 (GBK); empty for None.
const std::string& StarBasisName(StarBasis basis);
// 吉 凶 中 (GBK).
const std::string& StarNatureName(StarNature nature);

}  // namespace velmora
