#include "cli/bazi_command.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <ctime>

#include "readings/bazi_chart.h"
#include "readings/birth_places.h"
#include "services/chart_json.h"
#include "services/chart_text.h"
#include "text/gbk.h"
#include "text/utf8.h"

namespace velmora::cli {
namespace {

// Longer than any place name of the table: an option this long is no name.
constexpr std::size_t kLongestPlaceName = 96;

std::string Utf8Option(const CommandLine& line, const std::string& option) {
  std::string value = line.Option(option).value_or("");
  if (!IsWellFormedUtf8(value)) throw UsageError{"--" + option + " is not UTF-8 text"};
  return value;
}

double Longitude(const std::string& text) {
  const std::optional<double> longitude = ParseLongitude(text);
  if (!longitude) throw UsageError{"--longitude takes degrees east from -180 to 180, such as 116.4"};
  return *longitude;
}

void ReadPlace(const CommandLine& line, const std::string& folder, BirthInput& birth) {
  const std::string name = Utf8Option(line, "place"), province = Utf8Option(line, "province");
  if (name.empty() || name.size() > kLongestPlaceName) {
    throw UsageError{"--place takes a place name of at most " + std::to_string(kLongestPlaceName) + " bytes"};
  }
  const BirthPlaces::Choice choice = BirthPlaces::Installed(folder).Choose(Utf8ToGbk(name), Utf8ToGbk(province));
  if (!choice.namesakes.empty()) {
    std::string regions;
    for (const std::string& region : choice.namesakes) regions += (regions.empty() ? "" : ", ") + GbkToUtf8(region);
    throw UsageError{"--place " + name + " names places in " + regions + ": add --province"};
  }
  if (!choice.place) {
    throw UsageError{"--place " + name + (province.empty() ? "" : " (" + province + ")") + " is not in the place table"};
  }
  SetBirthPlace(birth, *choice.place);
}

BirthInput BirthOf(const CommandLine& line, const std::string& folder) {
  BirthInput birth;
  const std::optional<CivilDate> date = ParseDate(line.Option("birth").value_or(""));
  if (!date || !IsExistingDate(*date) || date->year < kFirstChartYear || date->year > kLastChartYear) {
    throw UsageError{"--birth takes an existing date yyyy-mm-dd in the years 1 to 2100"};
  }
  birth.clock.date = *date;
  const std::optional<ClockReading> time = ParseClockTime(line.Option("time").value_or("0"));
  if (!time) throw UsageError{"--time takes HH:MM or HH (hour 0 to 23, minute 00 to 59)"};
  birth.clock.hour = time->hour;
  birth.clock.minute = time->minute.value_or(0);
  birth.hasMinute = time->minute.has_value();
  const std::string sex = line.Option("sex").value_or("男");
  if (sex != "男" && sex != "女") throw UsageError{"--sex takes 男 or 女"};
  birth.sex = sex == "男" ? Sex::Male : Sex::Female;
  if (line.Option("place") && line.Option("longitude")) throw UsageError{"--place and --longitude exclude each other"};
  if (line.Option("province") && !line.Option("place")) throw UsageError{"--province belongs to --place"};
  if (line.Option("place")) ReadPlace(line, folder, birth);
  if (const std::optional<std::string> longitude = line.Option("longitude")) birth.longitude = Longitude(*longitude);
  return birth;
}

// The whole chart as the pages tell it, the judgement with its reasons but
// without the pages' prose.
std::vector<std::string> ChartLines(const BaziChart& chart) {
  using namespace services;
  std::vector<std::string> lines;
  for (std::vector<std::string> section :
       {BirthLines(chart), CorrectionLines(chart), PillarLines(chart), ElementLines(chart), {SeasonLine(chart)},
        JudgementLines(chart), PalaceLines(chart), StarLines(chart), RelationLines(chart),
        {"【大运】"_gbk}, LuckLines(chart), {"【流年】"_gbk}, TimelineLines(chart), MonthLines(chart)}) {
    lines.insert(lines.end(), section.begin(), section.end());
  }
  const std::vector<std::string> notes = NoteLines(chart);
  if (!notes.empty()) lines.push_back("【排盘提示】各家排法在此有分歧："_gbk);
  lines.insert(lines.end(), notes.begin(), notes.end());
  return lines;
}

}  // namespace

void PrintBaziChart(const CommandLine& line, const std::string& folder, std::ostream& out) {
  const BirthInput birth = BirthOf(line, folder);
  BaziChart chart;
  try {
    chart = ChartOf(birth, services::CurrentYearUtc8(std::time(nullptr)));
  } catch (const std::invalid_argument& outside) {
    throw UsageError{std::string("--birth with that place cannot be charted: ") + outside.what()};
  }
  if (line.Option("json")) {
    out << services::ChartJson(chart);
    return;
  }
  for (const std::string& text : ChartLines(chart)) out << GbkToUtf8(text) << "\n";
}

}  // namespace velmora::cli
