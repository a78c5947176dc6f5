#pragma once
// The words of a birth chart as the chart pages and velmora-cli print them:
// the birth and its time correction, pillars, stems with their elements,
// hidden stems, weights, the judgement (strength, 格局, 用神 to 闲神 with their
// reasons), 胎元/命宫/身宫, 神煞, relations, the luck pillars with
// their years, the current year's months and the notes where schools differ.
// GBK texts.

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
// "1990年5月27日 11时（北京时间）", with the minute when it was given.
std::string ClockText(const BaziChart& chart);
// "庚午年 五月初四 巳时"; empty where the lunar calendar does not reach.
std::string LunarText(const BaziChart& chart);
// Where the birth was, when a place or longitude is given: "喀什市（新疆维吾尔自治区，
// 东经75.99°）" or "经度东经75.99°"; empty otherwise.
std::string PlaceText(const BaziChart& chart);
// The birth: 命主, 公历, 农历, 生肖 and the standard time charted when it differs.
std::vector<std::string> BirthLines(const BaziChart& chart);
// With a place or longitude: clock → standard → mean → true solar time, each
// with its minutes, and which pillars take which time; nothing otherwise.
std::vector<std::string> CorrectionLines(const BaziChart& chart);
// The four pillars with their gods, 纳音, hidden stems and stages, and 旬空.
std::vector<std::string> PillarLines(const BaziChart& chart);
// 五行力量 with the way it is weighed, and the month's states.
std::vector<std::string> ElementLines(const BaziChart& chart);
std::string SeasonLine(const BaziChart& chart);
// The judgement's findings as headings: "【日主强弱】偏弱　帮身之力占全局31%"
// (专旺 with its kind: "专旺（润下格）"); "【格局】正官格", a special 格 with
// the 正格 it sets aside: "【格局】润下格（月令本为建禄格）"; "【喜用神】用神：
// 木（印星）　喜神：水（比劫）　忌神：金（官杀）　闲神：火（食伤）、土（财星）
// 　取用之法：扶抑".
std::string StrengthHeading(const BaziChart& chart);
std::string PatternHeading(const BaziChart& chart);
std::string GodsHeading(const BaziChart& chart);
// Each heading followed by its reasons, one a line after a full-width space:
// the strength's method with this chart's figures, its roots, 合化 and
// verdict; how the 格 was taken (and the special one); which rule chose the
// gods and why.
std::vector<std::string> JudgementLines(const BaziChart& chart);
// 胎元, 命宫, 身宫 with their 纳音, and the way they are reckoned.
std::vector<std::string> PalaceLines(const BaziChart& chart);
// The 神煞 of each pillar, and where the rules come from.
std::vector<std::string> StarLines(const BaziChart& chart);
// The relations among the four pillars, then those of the current 大运 and 流年.
std::vector<std::string> RelationLines(const BaziChart& chart);
// The luck pillars: the start (direction, interval, age, date) and one line per pillar.
std::vector<std::string> LuckLines(const BaziChart& chart);
// The years of the life from the birth year: those before the first 大运 with
// their 小运, then the ten of each 大运, ages as 周岁 and 虚岁, this year marked.
std::vector<std::string> TimelineLines(const BaziChart& chart);
// The twelve months of the current year, each from its 节.
std::vector<std::string> MonthLines(const BaziChart& chart);
// One line per note, naming the pillar that would change; none for an ordinary birth.
std::vector<std::string> NoteLines(const BaziChart& chart);
// The words of a score part's reason, such as "五行俱全，分布较匀".
const std::string& ScoreReasonText(ScoreReason reason);
// The year now in China standard time.
int CurrentYearUtc8(std::time_t now);

}  // namespace velmora::services
