#pragma once
// The full four-pillar chart (八字排盘) of a birth, as the bazi readings show
// it: the time correction with a place, the pillars with the ten gods, hidden
// stems, 纳音, growth stages and 神煞, the empty branches, 胎元/命宫/身宫, the
// weighted element counts and the month's states, the judgement (strength,
// 格局, 用神 to 闲神, each with its reasons), the relations among the pillars
// and with the current luck and year, the luck pillars with their years (and
// the minor luck before them) and the current year's months, the notes where
// schools differ and the score. Every page, CLI line and JSON field reads this
// one value. Names and numbers, and the judgement's reasons (GBK); other GBK
// names come from the accessors of the headers included here. Pure and
// deterministic: the same birth gives the same chart on any thread.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calendar/china_daylight_saving.h"
#include "calendar/four_pillars.h"
#include "readings/bazi_score.h"
#include "readings/birth_input.h"
#include "readings/branch_relations.h"
#include "readings/chart_palaces.h"
#include "readings/chart_stars.h"
#include "readings/chart_notes.h"
#include "readings/growth_stages.h"
#include "readings/hidden_stems.h"
#include "readings/judgement.h"
#include "readings/luck_pillars.h"
#include "readings/luck_timeline.h"
#include "readings/season_states.h"
#include "readings/ten_gods.h"

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
  std::vector<ChartStar> stars;              // 神煞 on this pillar
};

struct BaziChart {
  BirthInput input;       // the birth as entered (clock time, place, sex)
  StandardTime charted;   // the instant charted (China standard time) and what the clock hour was
  std::optional<TimeCorrection> correction;  // with a place or longitude
  DateTime local;         // the time the day and hour pillars are taken at
  FourPillars pillars;
  int dayMaster = 0;                   // the day pillar's stem
  std::array<ChartColumn, 4> columns;  // year, month, day, hour
  std::array<int, 2> emptyBranches{};  // 旬空 of the day pillar
  std::array<int, 5> elementTenths{};  // weighted counts by Element (金 木 水 火 土), 80 in all
  std::array<SeasonState, 5> seasonStates{};  // by Element, in the month branch
  ChartPalaces palaces;                // 胎元 命宫 身宫
  Judgement judgement;                 // strength, 格局, 用神 to 闲神: what the pages, CLI and JSON say of them
  LuckCycle luck;
  LuckTimeline timeline;               // 流年 by 大运, 小运, the current year and its 流月
  std::vector<ChartNote> notes;
  std::vector<PillarRelation> pillarRelations;   // among the four pillars
  std::vector<PillarRelation> currentRelations;  // of the current 大运 and 流年 with the chart and each other
  std::vector<BranchRelation> relations;         // what the score weighs
  BaziScore score;
};

inline constexpr int kFirstChartYear = 1;
inline constexpr int kLastChartYear = 2100;

// The chart of a birth (years 1..2100), with the current 大运, 流年 and 流月
// of `currentYear` (1..9999). Throws std::invalid_argument for a date that
// does not exist or a value out of range, naming it.
BaziChart ChartOf(const BirthInput& input, int currentYear);

}  // namespace velmora
