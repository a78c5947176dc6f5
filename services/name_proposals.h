#pragma once
// Personal names proposed for a surname: the surname's 康熙 strokes and those
// of given-name characters from the reviewed list (personal_name_characters:
// 汉字, 性别 男/女/通, 字义) make the five grids as the name reading forms them
// for a one-character surname.
//
// Tiers, by the verdicts of the 81 numbers (吉; half-good: 半吉, 中吉, 吉带凶)
// and of the three talents (good: 吉, 大吉; middling: 中吉, 半吉):
//   甲等  人格, 地格, 总格 吉; 三才 good (the strict rule)
//   乙等  人格, 总格 吉; 地格 half-good; 三才 good
//   丙等  人格, 总格 吉; 地格 吉 or half-good; 三才 middling
//   丁等  人格, 总格 吉
// A name belongs to the first tier whose rule it meets; one whose 人格 or
// 总格 is not 吉 is never proposed. With one given character 人格 equals 总格
// and 地格 is the character's strokes plus one, so for many surnames the
// strict rule leaves only a few characters or none: the lower tiers then fill
// the list.
//
// A name is proposed only when its given-name characters are common (GB2312
// level 1) and suit the sex, none is the surname or another's twin in sound
// (same syllable), two given characters do not share a radical, the tones of
// the whole name are not all the same, and no run of its characters is or
// reads like a word of the stop list (services/stop_words.h). Texts are GBK.

#include <optional>
#include <string>
#include <vector>

#include "services/sources.h"

namespace velmora::services {

inline constexpr int kNameProposals = 24;
// No 人格, 地格 or 总格 number on more than a third of a list.
inline constexpr int kNamesOfOneGrid = kNameProposals / 3;

struct NameRequest {
  std::string surname;  // one character
  bool girl = false;
  int length = 3;  // of the whole name: 2 or 3
};

enum class NameTier { First = 1, Second, Third, Fourth };

// The tier a name meets by the verdicts of its 人格, 地格, 总格 and 三才
// (GBK verdict texts); nothing when it meets none.
std::optional<NameTier> TierOf(const std::string& person, const std::string& earth, const std::string& total,
                               const std::string& talents);
// 甲等, 乙等, 丙等, 丁等 (GBK).
std::string TierName(NameTier tier);

struct ProposedName {
  std::string name;
  NameTier tier = NameTier::First;
  int heaven = 0;
  int person = 0;
  int earth = 0;
  int outer = 0;
  int total = 0;  // as the name reading shows it: above 81, 81 taken off once
  std::string personVerdict;
  std::string earthVerdict;
  std::string outerVerdict;
  std::string totalVerdict;
  std::string talents;  // such as 土木火
  std::string talentsVerdict;
  int score = 0;        // 0..100
  std::string meaning;  // each given-name character with its meaning
};

// How a name scores: 60, plus 8 for each of 人格, 地格 and 总格 that is 吉
// (4 for a half-good one), 6 for a 吉 外格 (3 for a half-good one), 6 for a
// 大吉 三才 (3 for 吉, 1 for 中吉 or 半吉), and 4 when level (1st, 2nd) and
// oblique (3rd, 4th) tones both occur.
int NameScore(const ProposedName& name, const std::vector<int>& tones);

// How many stroke counts (of the one given character) or pairs of them,
// among the list's characters for the sex, meet the strict rule with the
// surname: what makes the 甲等 list short when it is. 0 when the surname's
// strokes are unknown.
int StrictStrokes(const Sources& sources, const NameRequest& request);

// kNameProposals names (fewer only when the list runs out), by tier, then
// by score; among equal ones, names whose characters stand in the list's first
// rows (the characters most given in names) first, then an order mixed from
// the surname, so that the same request always gets the same list and other
// surnames get other lists. A given-name character appears in at most two
// names, and no 人格, 地格 or 总格 number in more than kNamesOfOneGrid.
// Nothing when the surname's strokes are unknown.
std::vector<ProposedName> ProposeNames(const Sources& sources, const NameRequest& request);

}  // namespace velmora::services
