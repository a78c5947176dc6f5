#include "services/chart_text.h"

#include <array>
#include <cstdio>

#include "calendar/sexagenary.h"
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

}  // namespace

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
                          (chart.sex == Sex::Male ? "男命"_gbk : "女命"_gbk);
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
    static const std::array<std::string, 8> ordinals = {"一运"_gbk, "二运"_gbk, "三运"_gbk, "四运"_gbk,
                                                        "五运"_gbk, "六运"_gbk, "七运"_gbk, "八运"_gbk};
    lines.push_back(ordinals[i] + " " + PillarText(pillar.pillar) + "（"_gbk + TenGodName(pillar.stemGod) + "）"_gbk +
                    " " + Number(pillar.startYear) + "年起　"_gbk + Number(pillar.startAge) + "岁"_gbk);
  }
  return lines;
}

std::vector<std::string> YearLines(const BaziChart& chart) {
  std::vector<std::string> lines;
  for (const YearFortune& year : chart.years) {
    lines.push_back(Number(year.year) + "年 "_gbk + PillarText(year.pillar) + " " + TenGodName(year.stemGod) + " " +
                    Number(year.age) + "岁"_gbk);
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
