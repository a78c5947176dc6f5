#include "readings/element_count_page.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "readings/chart_notes.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kButton = 5;
constexpr std::size_t kCountsLine = 18;
constexpr std::size_t kChartLine = 30;

std::optional<int> Number(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string PillarText(const Pillar& pillar) { return HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch); }

std::string PillarElements(const Pillar& pillar) {
  return ElementName(StemElement(pillar.stem)) + ElementName(BranchElement(pillar.branch));
}

std::string DateText(const CivilDate& date) {
  return std::to_string(date.year) + "年"_gbk + std::to_string(date.month) + "月"_gbk + std::to_string(date.day) +
         "日"_gbk;
}

std::string MinuteText(const DateTime& time) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
  return text;
}

std::string ChangedPillars(const ChartNote& note) {
  std::string names;
  for (PillarPosition position : note.changed) names += (names.empty() ? "" : "、"_gbk) + PillarPositionName(position);
  return names;
}

std::string NoteText(const ChartNote& note) {
  switch (note.kind) {
    case NoteKind::DaylightSaving:
      return "夏令时出生，按北京标准时间"_gbk + DateText(note.moment.date) + std::to_string(note.moment.hour) +
             "时排盘"_gbk;
    case NoteKind::SkippedClockHour:
      return "夏令时拨快的这一钟点并不存在，按所填钟点作标准时间排盘"_gbk;
    case NoteKind::RepeatedClockHour:
      return "夏令时回拨的这一钟点出现两次，按所填钟点作标准时间排盘"_gbk;
    case NoteKind::NearJie:
      return "出生距"_gbk + TermName(note.jie) + "（"_gbk + DateText(note.moment.date) +
             MinuteText(note.moment) + "交节）不足两小时，"_gbk +
             ChangedPillars(note) + "以交节时刻为界，各家排法或有不同"_gbk;
    case NoteKind::LateRatHour:
      return "二十三时已入次日子时，日柱与时柱按次日排"_gbk;
    case NoteKind::DisputedDaylightSaving:
    case NoteKind::TrueSolarTime:
      break;  // notes of the whole chart only: this reading keeps its own
  }
  return {};
}

// The notes of the chart in one line: daylight saving, a 节 within two hours, 23:00.
std::string NotesLine(const CivilDate& birth, int hour) {
  std::string line;
  for (const ChartNote& note : ChartNotesOf(birth, hour)) line += (line.empty() ? "" : "；"_gbk) + NoteText(note);
  return "注："_gbk + (line.empty() ? "时辰按北京时间整点计"_gbk : line) + "。"_gbk;
}

std::string Body(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

}  // namespace

ElementCountPage::ElementCountPage() {
  elements_ = {{"FORM", "", "chart", ""},       {"INPUT", "text", "y", ""}, {"INPUT", "text", "m", ""},
               {"INPUT", "text", "d", ""},      {"INPUT", "text", "h", ""}, {"INPUT", "button", "go", ""}};
}

std::string ElementCountPage::Title() { return "八字五行"_gbk; }

void ElementCountPage::SetElementValue(int index, const std::string& value) {
  if (index >= 0 && index < static_cast<int>(elements_.size())) elements_[static_cast<std::size_t>(index)].value = value;
}

// The one form holds every element after the form element itself.
std::vector<BrowserElement> ElementCountPage::FormControls(int form) {
  if (form != 0) return {};
  return {elements_.begin() + 1, elements_.end()};
}

bool ElementCountPage::SetFormControlValue(int form, int control, const std::string& value) {
  if (form != 0 || control < 0 || control + 1 >= static_cast<int>(elements_.size())) return false;
  SetElementValue(control + 1, value);
  return true;
}

void ElementCountPage::ClickElement(int index) {
  if (index == kButton) Compute();
}

void ElementCountPage::Compute() {
  std::vector<std::string> lines(40);
  lines[0] = "八字五行排盘"_gbk;
  const auto year = Number(elements_[1].value), month = Number(elements_[2].value), day = Number(elements_[3].value),
             hour = Number(elements_[4].value);
  const bool valid = year && month && day && hour && *year >= 1 && *year <= 2100 && *hour >= 0 && *hour <= 23 &&
                     IsExistingDate({*year, *month, *day});
  if (!valid) {
    lines[2] = "出生日期或时辰有误，无法排盘。"_gbk;
    lines[kCountsLine] = "五行个数统计-----"_gbk;
    bodyText_ = Body(lines);
    return;
  }
  const CivilDate birth{*year, *month, *day};
  const FourPillars chart = FourPillarsOf(birth, *hour);
  const Pillar pillars[4] = {chart.year, chart.month, chart.day, chart.hour};
  std::array<int, 5> counts{};
  for (const Pillar& pillar : pillars) {
    ++counts[static_cast<std::size_t>(StemElement(pillar.stem))];
    ++counts[static_cast<std::size_t>(BranchElement(pillar.branch))];
  }
  lines[2] = "出生时间：公历"_gbk + DateText(birth) + std::to_string(*hour) + "时（北京时间）"_gbk;
  lines[4] = "年柱以立春为界，月柱以节令为界，均取交节的时刻。"_gbk;
  std::string digits;
  for (int count : counts) digits += static_cast<char>('0' + count);
  lines[kCountsLine] = "五行个数统计"_gbk + digits;  // six characters, then the digits at bytes 13..17

  const std::string separator = "　"_gbk;
  lines[kChartLine] = "【四柱八字】"_gbk;
  lines[kChartLine + 1] = "八字：　"_gbk + PillarText(chart.year) + separator + PillarText(chart.month) + separator +
                          PillarText(chart.day) + separator + PillarText(chart.hour);
  lines[kChartLine + 2] = "五行：　"_gbk + PillarElements(chart.year) + separator + PillarElements(chart.month) +
                          separator + PillarElements(chart.day) + separator + PillarElements(chart.hour);
  lines[kChartLine + 3] = "纳音：　"_gbk + NayinOf(chart.year) + separator + NayinOf(chart.month) + separator +
                          NayinOf(chart.day) + separator + NayinOf(chart.hour);
  const char* const roles[4] = {"年柱", "月柱", "日柱", "时柱"};
  const char* const meanings[4] = {"祖上根基与童年", "父母兄弟与青年", "自身与配偶", "子女与晚年"};
  for (int i = 0; i < 4; ++i) {
    lines[kChartLine + 4 + static_cast<std::size_t>(i)] = Utf8ToGbk(roles[i]) + PillarText(pillars[i]) + "（"_gbk +
                                                          NayinOf(pillars[i]) + "）：主"_gbk + Utf8ToGbk(meanings[i]) +
                                                          "。"_gbk;
  }
  lines[kChartLine + 8] = "日主："_gbk + HeavenlyStem(chart.day.stem) + ElementName(StemElement(chart.day.stem)) +
                          "，五行个数："_gbk + "金"_gbk + std::to_string(counts[0]) + " 木"_gbk +
                          std::to_string(counts[1]) + " 水"_gbk + std::to_string(counts[2]) + " 火"_gbk +
                          std::to_string(counts[3]) + " 土"_gbk + std::to_string(counts[4]);
  lines[kChartLine + 9] = NotesLine(birth, *hour);
  bodyText_ = Body(lines);
}

}  // namespace velmora
