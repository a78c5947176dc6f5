#include "services/chart_text.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"
#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "readings/judgement_words.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

std::string Number(int value) { return std::to_string(value); }

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string DateText(const CivilDate& date) {
  return Number(date.year) + "年"_gbk + Number(date.month) + "月"_gbk + Number(date.day) + "日"_gbk;
}

std::string AgeText(const AgeSpan& age) {
  return Number(age.years) + "岁"_gbk + Number(age.months) + "个月"_gbk + Number(age.days) + "天"_gbk;
}

// The positions of the pillars a note changes, such as "月柱、年柱".
std::string ChangedText(const ChartNote& note) {
  std::string text;
  for (const PillarPosition position : note.changed) {
    if (!text.empty()) text += "、"_gbk;
    text += PillarPositionName(position) + PillarText(PillarAt(note.otherReading, position));
  }
  return text;
}

// "+16.4" or "-176.0": minutes of a correction step.
std::string SignedMinutes(double minutes) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.1f", minutes);
  return text;
}

std::string LongitudeText(double longitude) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", std::abs(longitude));
  return (longitude < 0 ? "西经"_gbk : "东经"_gbk) + text + "°"_gbk;
}

std::string WithNayin(const Pillar& pillar) { return PillarText(pillar) + "（"_gbk + NayinOf(pillar) + "）"_gbk; }

// The pillar standing at a position: one of the four, or the current 大运 or 流年.
Pillar PillarOfPosition(const BaziChart& chart, PillarPosition position) {
  if (position == PillarPosition::Luck) return chart.luck.pillars[chart.timeline.currentLuck.value_or(0)].pillar;
  if (position == PillarPosition::FlowYear) return chart.timeline.currentFlowYear.value_or(YearFortune{}).pillar;
  return PillarAt(chart.pillars, position);
}

// "六合：日柱辰、时柱酉，合化金".
std::string RelationText(const BaziChart& chart, const PillarRelation& relation) {
  const bool stems = relation.kind == RelationKind::StemCombination || relation.kind == RelationKind::StemClash;
  std::string text = RelationName(relation.kind) + "："_gbk;
  for (std::size_t i = 0; i < relation.positions.size(); ++i) {
    const Pillar pillar = PillarOfPosition(chart, relation.positions[i]);
    text += (i ? "、"_gbk : "") + PillarPositionName(relation.positions[i]) +
            (stems ? HeavenlyStem(pillar.stem) : EarthlyBranch(pillar.branch));
  }
  if (relation.element) text += "，合化"_gbk + ElementName(*relation.element);
  return text;
}

std::string AgesText(const YearFortune& year) {
  return "周岁"_gbk + Number(year.age) + " 虚岁"_gbk + Number(year.nominalAge);
}

std::string FlowYearText(const BaziChart& chart, const YearFortune& year) {
  return "　"_gbk + Number(year.year) + "年 "_gbk + PillarText(year.pillar) + " " + TenGodName(year.stemGod) + " " +
         AgesText(year) + (year.year == chart.timeline.currentYear ? "　←今年"_gbk : "");
}

const std::string& LuckOrdinal(std::size_t k) {
  static const std::array<std::string, 8> ordinals = {"一运"_gbk, "二运"_gbk, "三运"_gbk, "四运"_gbk,
                                                      "五运"_gbk, "六运"_gbk, "七运"_gbk, "八运"_gbk};
  return ordinals[k];
}

// The relation of an element to the day master in the words of the ten gods.
std::string UsefulText(const BaziChart& chart, Element element) {
  return ElementName(element) + "（"_gbk + RelationGodsName(RelationOf(StemElement(chart.dayMaster), element)) + "）"_gbk;
}

}  // namespace

std::string ClockText(const BaziChart& chart) {
  const DateTime& clock = chart.input.clock;
  return DateText(clock.date) + " "_gbk + Number(clock.hour) + "时"_gbk +
         (chart.input.hasMinute ? Number(clock.minute) + "分"_gbk : "") +
         (chart.input.zone == kChinaZone ? "（北京时间）"_gbk : "（当地时间）"_gbk);
}

std::string LunarText(const BaziChart& chart) {
  const std::optional<LunarDate> lunar = SolarToLunar(chart.input.clock.date);
  if (!lunar) return {};
  return BirthYearCycle(chart.input.clock).yearName + " "_gbk + FullLunarMonthText(lunar->month, lunar->leap) +
         LunarDayText(lunar->day) + " "_gbk + EarthlyBranch(chart.pillars.hour.branch) + "时"_gbk;
}

std::string PlaceText(const BaziChart& chart) {
  if (!chart.correction) return {};
  const std::string longitude = LongitudeText(chart.correction->longitude);
  if (chart.input.placeName.empty()) return "经度"_gbk + longitude;
  return chart.input.placeName + "（"_gbk + chart.input.province + "，"_gbk + longitude + "）"_gbk;
}

std::vector<std::string> BirthLines(const BaziChart& chart) {
  std::vector<std::string> lines = {
      "【命主】"_gbk + (chart.input.sex == Sex::Male ? "乾造（男）"_gbk : "坤造（女）"_gbk),
      "公历："_gbk + ClockText(chart),
      "农历："_gbk + LunarText(chart),
      "生肖：属"_gbk + BirthYearCycle(chart.input.clock).animal + "　星座："_gbk +
          StarSignOfDate(chart.input.clock.date.month, chart.input.clock.date.day),
  };
  if (chart.charted.time != chart.input.clock) lines.push_back("排盘时间（北京标准时间）："_gbk + MomentText(chart.charted.time));
  return lines;
}

std::vector<std::string> CorrectionLines(const BaziChart& chart) {
  if (!chart.correction) return {};
  const TimeCorrection& c = *chart.correction;
  char zone[16];
  std::snprintf(zone, sizeof zone, "UTC%c%d:%02d", c.zoneOffsetMinutes < 0 ? '-' : '+', std::abs(c.zoneOffsetMinutes) / 60,
                std::abs(c.zoneOffsetMinutes) % 60);
  return {
      "【真太阳时】出生地："_gbk + PlaceText(chart),
      "钟表时间："_gbk + MomentText(c.clock),
      "标准时间："_gbk + MomentText(c.standard) + "（"_gbk + std::string(zone) +
          (c.standard != c.clock ? "，已去除夏令时"_gbk : "") + "）"_gbk,
      "平太阳时："_gbk + MomentText(c.mean) + "（经度时差"_gbk + SignedMinutes(c.longitudeMinutes) +
          "分，距时区中央经线每度四分钟）"_gbk,
      "真太阳时："_gbk + MomentText(c.trueSolar) + "（均时差"_gbk + SignedMinutes(c.equationMinutes) + "分）"_gbk,
      "排法：年柱、月柱与起运按出生时刻（北京时间"_gbk + MomentText(chart.charted.time) +
          "）对照交节时刻；日柱、时柱按当地真太阳时，二十三点换日。"_gbk,
  };
}

std::vector<std::string> PillarLines(const BaziChart& chart) {
  std::vector<std::string> lines = {"【四柱】"_gbk + PillarText(chart.pillars.year) + " " + PillarText(chart.pillars.month) +
                                    " " + PillarText(chart.pillars.day) + " " + PillarText(chart.pillars.hour) +
                                    "　日主："_gbk + StemText(chart.dayMaster)};
  for (const PillarPosition position : kPillarPositions) {
    const ChartColumn& column = chart.columns[static_cast<std::size_t>(position)];
    lines.push_back(PillarPositionName(position) + "："_gbk + PillarText(column.pillar) + "　天干十神："_gbk +
                    (column.stemGod ? TenGodName(*column.stemGod) : "日主"_gbk) + "　纳音："_gbk + column.nayin);
    lines.push_back("　藏干："_gbk + HiddenStemsText(column) + "　日主在此："_gbk + GrowthStageName(column.stage));
  }
  lines.push_back("旬空："_gbk + EarthlyBranch(chart.emptyBranches[0]) + EarthlyBranch(chart.emptyBranches[1]) +
                  "（日柱"_gbk + PillarText(chart.pillars.day) + "所在之旬）"_gbk);
  return lines;
}

std::vector<std::string> ElementLines(const BaziChart& chart) {
  return {"【五行力量】"_gbk + ElementWeightsText(chart),
          "（天干各计一分，地支计一分并按藏干本气、中气、余气分得十分之十、七三或六三一，合计八分）"_gbk};
}

std::string SeasonLine(const BaziChart& chart) {
  return "【月令】生于"_gbk + EarthlyBranch(chart.pillars.month.branch) + "月："_gbk + SeasonStatesText(chart);
}

std::string StrengthHeading(const BaziChart& chart) {
  const Judgement& judgement = chart.judgement;
  std::string verdict = StrengthVerdictName(judgement.strength.verdict);
  if (judgement.strength.verdict == StrengthVerdict::Dominant) {
    verdict += "（"_gbk + std::string(PatternRuleOf(judgement.pattern.Kind()).name) + "）"_gbk;
  }
  return "【日主强弱】"_gbk + verdict + "　帮身之力占全局"_gbk + Number(judgement.strength.score) + "%";
}

std::string PatternHeading(const BaziChart& chart) {
  const ChartPattern& pattern = chart.judgement.pattern;
  std::string heading = "【格局】"_gbk + std::string(PatternRuleOf(pattern.Kind()).name);
  if (pattern.special) heading += "（月令本为"_gbk + std::string(PatternRuleOf(pattern.regular).name) + "）"_gbk;
  return heading;
}

std::string GodsHeading(const BaziChart& chart) {
  const UsefulGods& gods = chart.judgement.gods;
  std::string heading = "【喜用神】"_gbk;
  for (const GodRole role : {GodRole::Useful, GodRole::Favourable, GodRole::Unfavourable, GodRole::Idle}) {
    const std::vector<Element> elements = ElementsInRole(gods, role);
    if (elements.empty()) continue;
    std::string names;
    for (const Element element : elements) names += (names.empty() ? "" : "、"_gbk) + UsefulText(chart, element);
    heading += GodRoleName(role) + "："_gbk + names + "　"_gbk;
  }
  return heading + "取用之法："_gbk + GodRuleName(gods.rule);
}

std::vector<std::string> JudgementLines(const BaziChart& chart) {
  const Judgement& judgement = chart.judgement;
  std::vector<std::string> lines = {StrengthHeading(chart), "　"_gbk + StrengthMethodSentence(judgement.strength)};
  for (const std::string& reason : judgement.strength.reasons) lines.push_back("　"_gbk + reason);
  lines.push_back(PatternHeading(chart));
  lines.push_back("　"_gbk + judgement.pattern.reason);
  if (judgement.pattern.special) lines.push_back("　"_gbk + judgement.pattern.specialReason);
  lines.push_back(GodsHeading(chart));
  for (const std::string& reason : judgement.gods.reasons) lines.push_back("　"_gbk + reason);
  return lines;
}

std::vector<std::string> PalaceLines(const BaziChart& chart) {
  return {"【胎元 命宫 身宫】胎元："_gbk + WithNayin(chart.palaces.conception) + "　命宫："_gbk +
              WithNayin(chart.palaces.life) + "　身宫："_gbk + WithNayin(chart.palaces.body),
          "（胎元取月柱天干进一位、地支进三位；命宫、身宫以寅为一数节气月，命宫以十四减月数与时数（时亦自寅起数），"
          "身宫以月数加时数（时自子起数），皆自寅起数得宫，天干按年干五虎遁。各家取法不一，此从通行历书）"_gbk};
}

std::vector<std::string> StarLines(const BaziChart& chart) {
  std::vector<std::string> lines = {"【神煞】"_gbk};
  for (const PillarPosition position : kPillarPositions) {
    const ChartColumn& column = chart.columns[static_cast<std::size_t>(position)];
    std::string names;
    for (const ChartStar& star : column.stars) names += (names.empty() ? "" : "、"_gbk) + star.rule->name;
    lines.push_back(PillarPositionName(position) + PillarText(column.pillar) + "："_gbk + (names.empty() ? "无"_gbk : names));
  }
  lines.push_back("（神煞以日干、年干查四柱地支，以年支、日支查其余各支，以月支查四柱干支，各依《三命通会》《渊海子平》《星平会海》所载）"_gbk);
  return lines;
}

std::vector<std::string> RelationLines(const BaziChart& chart) {
  std::vector<std::string> lines = {"【刑冲合会】原局："_gbk};
  for (const PillarRelation& relation : chart.pillarRelations) lines.push_back("　"_gbk + RelationText(chart, relation));
  if (chart.pillarRelations.empty()) lines.push_back("　四柱之间无合冲刑害破"_gbk);
  const LuckTimeline& timeline = chart.timeline;
  if (!timeline.currentFlowYear) return lines;
  std::string now = "今年（"_gbk + Number(timeline.currentYear) + "年流年"_gbk + PillarText(timeline.currentFlowYear->pillar);
  if (timeline.currentLuck) now += "，大运"_gbk + PillarText(chart.luck.pillars[*timeline.currentLuck].pillar);
  lines.push_back(now + "）与原局："_gbk);
  for (const PillarRelation& relation : chart.currentRelations) lines.push_back("　"_gbk + RelationText(chart, relation));
  if (chart.currentRelations.empty()) lines.push_back("　与原局无合冲刑害破"_gbk);
  return lines;
}

std::vector<std::string> TimelineLines(const BaziChart& chart) {
  const LuckTimeline& timeline = chart.timeline;
  std::vector<std::string> lines = {
      "（流年按公历年列出，干支以立春为界；周岁为当年生日后的实足年龄，虚岁出生即为一岁，每年加一；交运之年归入新运）"_gbk};
  if (!timeline.beforeLuck.empty()) lines.push_back("起运前（行小运）："_gbk);
  for (const MinorLuckYear& year : timeline.beforeLuck) {
    lines.push_back(FlowYearText(chart, year.year) + "　小运"_gbk + PillarText(year.minorLuck) + "（"_gbk +
                    TenGodName(year.minorGod) + "）"_gbk);
  }
  for (std::size_t k = 0; k < timeline.byLuck.size(); ++k) {
    const std::array<YearFortune, 10>& years = timeline.byLuck[k];
    lines.push_back(LuckOrdinal(k) + " " + PillarText(chart.luck.pillars[k].pillar) + "（"_gbk +
                    Number(years.front().year) + "—"_gbk + Number(years.back().year) + "年）："_gbk);
    for (const YearFortune& year : years) lines.push_back(FlowYearText(chart, year));
  }
  return lines;
}

std::vector<std::string> MonthLines(const BaziChart& chart) {
  const LuckTimeline& timeline = chart.timeline;
  std::vector<std::string> lines = {"【流月】"_gbk + Number(timeline.currentYear) + "年"_gbk +
                                    PillarText(YearPillarOf(timeline.currentYear)) + "（各月自其节起）："_gbk};
  for (const FlowMonth& month : timeline.months) {
    const std::optional<DateTime> jie = DateTimeOf(month.jie.moment);
    lines.push_back("　"_gbk + EarthlyBranch(month.pillar.branch) + "月 "_gbk + PillarText(month.pillar) + " " +
                    TenGodName(month.stemGod) + "　"_gbk + TermName(month.jie) + " "_gbk +
                    (jie ? MomentText(*jie) : std::string()));
  }
  return lines;
}

std::string PillarText(const Pillar& pillar) { return HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch); }

std::string StemText(int stem) { return HeavenlyStem(stem) + ElementName(StemElement(stem)); }

std::string HiddenStemsText(const ChartColumn& column) {
  std::string text;
  for (const ChartHiddenStem& hidden : column.hiddenStems) {
    if (!text.empty()) text += " ";
    text += StemText(hidden.stem) + TenGodName(hidden.god);
  }
  return text;
}

std::string TenthsText(int tenths) { return Number(tenths / 10) + "." + Number(tenths % 10); }

std::string MomentText(const DateTime& time) {
  return DateText(time.date) + " " + TwoDigits(time.hour) + ":" + TwoDigits(time.minute);
}

std::string ElementWeightsText(const BaziChart& chart) {
  std::string text;
  for (std::size_t e = 0; e < 5; ++e) {
    if (e) text += "　"_gbk;
    text += ElementName(static_cast<Element>(e)) + TenthsText(chart.elementTenths[e]);
  }
  return text;
}

std::string SeasonStatesText(const BaziChart& chart) {
  std::string text;
  for (const SeasonState state :
       {SeasonState::Prosperous, SeasonState::Rising, SeasonState::Resting, SeasonState::Confined, SeasonState::Dead}) {
    for (std::size_t e = 0; e < 5; ++e) {
      if (chart.seasonStates[e] != state) continue;
      if (!text.empty()) text += " ";
      text += ElementName(static_cast<Element>(e)) + SeasonStateName(state);
    }
  }
  return text;
}

std::vector<std::string> LuckLines(const BaziChart& chart) {
  const LuckCycle& luck = chart.luck;
  const bool yangYear = chart.pillars.year.stem % 2 == 0;
  const std::string who = std::string(yangYear ? "阳年"_gbk : "阴年"_gbk) +
                          (chart.input.sex == Sex::Male ? "男命"_gbk : "女命"_gbk);
  const Moment days = luck.interval / kSecondsPerDay;
  const Moment hours = luck.interval % kSecondsPerDay / kSecondsPerHour;
  const Moment minutes = luck.interval % kSecondsPerHour / kSecondsPerMinute;
  const std::optional<DateTime> jie = DateTimeOf(luck.jie.moment);
  std::vector<std::string> lines = {
      "排法："_gbk + who + LuckDirectionName(luck.forward) + "；出生时刻"_gbk +
          (luck.forward ? "距下一个节"_gbk : "距上一个节"_gbk) + TermName(luck.jie) + "（"_gbk +
          (jie ? MomentText(*jie) : std::string()) + "）相差"_gbk + Number(static_cast<int>(days)) + "天"_gbk +
          Number(static_cast<int>(hours)) + "小时"_gbk + Number(static_cast<int>(minutes)) + "分"_gbk,
      "起运：按三天折一年、一天折四个月、两小时折十天，于"_gbk + AgeText(luck.startAge) + "起运，即公历"_gbk +
          DateText(luck.startDate) + "（年龄按"_gbk + AgeReckoningName() + "计）"_gbk,
  };
  for (std::size_t i = 0; i < luck.pillars.size(); ++i) {
    const LuckPillar& pillar = luck.pillars[i];
    lines.push_back(LuckOrdinal(i) + " " + PillarText(pillar.pillar) + "（"_gbk + TenGodName(pillar.stemGod) + "）"_gbk +
                    " " + Number(pillar.startYear) + "年起　"_gbk + Number(pillar.startAge) + "岁"_gbk);
  }
  return lines;
}

std::vector<std::string> NoteLines(const BaziChart& chart) {
  std::vector<std::string> lines;
  for (const ChartNote& note : chart.notes) {
    const std::string changed = ChangedText(note);
    switch (note.kind) {
      case NoteKind::DaylightSaving:
        lines.push_back("出生于夏令时期间：钟表时间比北京标准时间快一小时，本盘按标准时间"_gbk + MomentText(note.moment) +
                        "排出；若按钟表时间排，"_gbk + (changed.empty() ? "四柱不变"_gbk : changed) + "。"_gbk);
        break;
      case NoteKind::SkippedClockHour:
        lines.push_back("出生时刻恰在夏令时开始之时，钟表跳过此一小时，本盘按所写时刻排出；"_gbk +
                        (changed.empty() ? "另一读法四柱不变"_gbk : "另一读法为"_gbk + changed) + "。"_gbk);
        break;
      case NoteKind::RepeatedClockHour:
        lines.push_back("出生时刻恰在夏令时结束之时，此一小时钟表走过两次，本盘按所写时刻排出；"_gbk +
                        (changed.empty() ? "另一读法四柱不变"_gbk : "另一读法为"_gbk + changed) + "。"_gbk);
        break;
      case NoteKind::DisputedDaylightSaving:
        lines.push_back("1988年夏令时的起始日各家记载不一（4月10日或4月17日）：本盘依时区数据库按4月17日起算，此时钟表即为标准时间；"
                        "若按4月10日起算，钟表快一小时，应按"_gbk + MomentText(*DateTimeOf(MomentOf(note.moment) - kSecondsPerHour)) +
                        "排，"_gbk + (changed.empty() ? "四柱不变"_gbk : changed) + "。"_gbk);
        break;
      case NoteKind::TrueSolarTime:
        lines.push_back("本盘日柱、时柱按当地真太阳时"_gbk + MomentText(note.moment) +
                        "排出，年柱、月柱按出生时刻对照节气；若不校正真太阳时、全按北京时间排，"_gbk +
                        (changed.empty() ? "四柱不变"_gbk : changed) + "。"_gbk);
        break;
      case NoteKind::NearJie:
        lines.push_back("出生时刻距"_gbk + TermName(note.jie) + "（"_gbk + MomentText(note.moment) +
                        "）不足两小时，出生时间稍有出入即换月"_gbk + "：若在节的另一侧，"_gbk +
                        (changed.empty() ? "四柱不变"_gbk : changed) + "。"_gbk);
        break;
      case NoteKind::LateRatHour:
        lines.push_back("出生于二十三点（夜子时）：本盘以二十三点换日；以零点换日的流派，"_gbk +
                        (changed.empty() ? "四柱不变"_gbk : changed) + "。"_gbk);
        break;
    }
  }
  return lines;
}

const std::string& ScoreReasonText(ScoreReason reason) {
  static const std::array<std::string, 15> texts = {
      "五行有缺"_gbk,           "一行独旺，五行偏枯"_gbk,     "五行俱全，分布较匀"_gbk,
      "日主中和"_gbk,           "日主偏强"_gbk,               "日主偏弱"_gbk,
      "用神透干且有根"_gbk,     "用神透干"_gbk,               "用神在地支本气，有根"_gbk,
      "用神只藏于中气、余气"_gbk, "用神不见于四柱"_gbk,         "地支无刑冲合会，平稳"_gbk,
      "地支合多于冲，和顺"_gbk,  "地支合冲相当"_gbk,           "地支冲多于合，动荡"_gbk};
  return texts[static_cast<std::size_t>(reason)];
}

int CurrentYearUtc8(std::time_t now) {
  const std::time_t shifted = now + 8 * 3600;
  std::tm utc{};
  gmtime_r(&shifted, &utc);
  return utc.tm_year + 1900;
}

}  // namespace velmora::services
