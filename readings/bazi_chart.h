#pragma once
// The full four-pillar chart (八字排盘) of a birth, as the bazi readings show
// it: the pillars with the ten gods, hidden stems, 纳音 and growth stages, the
// empty branches, the weighted element counts and the month's states, the day
// master's strength and useful elements, the luck pillars and the years
// ahead, the notes where schools differ, the branch relations and the score.
// Names and numbers only; GBK names come from the accessors of the headers
// included here. Pure and deterministic: the same birth gives the same chart
// on any thread.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calendar/china_daylight_saving.h"
#include "calendar/four_pillars.h"
#include "readings/bazi_score.h"
#include "readings/branch_relations.h"
#include "readings/chart_notes.h"
#include "readings/day_master_strength.h"
#include "readings/growth_stages.h"
#include "readings/hidden_stems.h"
#include "readings/luck_pillars.h"
#include "readings/season_states.h"
#include "readings/ten_gods.h"
#include "readings/year_fortunes.h"

namespace velmora {

struct ChartHiddenStem {
  int stem = 0;
  QiRole role = QiRole::Main;
  TenGod god = TenGod::Companion;  // against the day master
};

// One pillar and what stands on it.
struct ChartColumn {
  Pillar pillar;
  std::optional<TenGod> stemGod;  // none for the day pillar: its stem is the day master
  std::vector<ChartHiddenStem> hiddenStems;  // main qi first
  std::string nayin;                         // GBK, such as 海中金
  GrowthStage stage = GrowthStage::Birth;    // of the day master in this branch
};

struct BaziChart {
  DateTime clock;         // the birth as entered: the civil date at hour:00
  StandardTime charted;   // the moment charted (China standard time) and what the clock hour was
  Sex sex = Sex::Male;
  FourPillars pillars;
  int dayMaster = 0;                   // the day pillar's stem
  std::array<ChartColumn, 4> columns;  // year, month, day, hour
  std::array<int, 2> emptyBranches{};  // 旬空 of the day pillar
  std::array<int, 5> elementTenths{};  // weighted counts by Element (金 木 水 火 土), 80 in all
  std::array<SeasonState, 5> seasonStates{};  // by Element, in the month branch
  DayMasterStrength strength;
  LuckCycle luck;
  std::array<YearFortune, 10> years;  // 流年 from the current year on
  std::vector<ChartNote> notes;
  std::vector<BranchRelation> relations;
  BaziScore score;
};

inline constexpr int kFirstChartYear = 1;
inline constexpr int kLastChartYear = 2100;

// The chart of a birth at hour:00 (0..23) of a civil date (years 1..2100) as
// the clock showed it, with the years ahead from `currentYear` (1..9999).
// Throws std::invalid_argument for a date that does not exist or a value out
// of range.
BaziChart ChartOf(const CivilDate& date, int hour, Sex sex, int currentYear);

}  // namespace velmora
