#pragma once
// The words of a birth chart as the chart pages print them: pillars, stems
// with their elements, hidden stems, weights, the luck pillars, the years
// ahead and the notes where schools differ. GBK texts.

#include <ctime>
#include <string>
#include <vector>

#include "readings/bazi_chart.h"

namespace velmora::services {

std::string PillarText(const Pillar& pillar);  // 庚午
std::string StemText(int stem);                // 庚金
// 丁火正官 己土劫财 (the main qi first), for one branch against the day master.
std::string HiddenStemsText(const ChartColumn& column);
// A weight of tenths as the pages print it: 16 → 1.6.
std::string TenthsText(int tenths);
// "1990年6月6日 07:46".
std::string MomentText(const DateTime& time);
// 五行 in the order 金 木 水 火 土 with their weights: "金1.6 木0.7 …".
std::string ElementWeightsText(const BaziChart& chart);
// "火旺 土相 木休 水囚 金死": the elements in their states, from 旺 to 死.
std::string SeasonStatesText(const BaziChart& chart);
// The luck pillars: the start (direction, interval, age, date) and one line per pillar.
std::vector<std::string> LuckLines(const BaziChart& chart);
// One line per year ahead: "2026年 丙午 偏印 36岁".
std::vector<std::string> YearLines(const BaziChart& chart);
// One line per note, naming the pillar that would change; none for an ordinary birth.
std::vector<std::string> NoteLines(const BaziChart& chart);
// The words of a score part's reason, such as "五行俱全，分布较匀".
const std::string& ScoreReasonText(ScoreReason reason);
// The year now in China standard time.
int CurrentYearUtc8(std::time_t now);

}  // namespace velmora::services
