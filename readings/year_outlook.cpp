#include "readings/year_outlook.h"

#include <algorithm>
#include <fstream>

#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "text/gbk.h"

namespace velmora {
namespace {

long IndexOf(const TextLines& text, const std::string& line) {
  const auto found = std::find(text.begin(), text.end(), line);
  return found == text.end() ? -1 : static_cast<long>(found - text.begin());
}

void OutlookPage(ReportPage& page, const std::string& topic, const std::string& firstLine, const TextLines& body) {
  page.BeginPage(PageTitleLine(topic), PlainSeparator());
  page.AddRaw(firstLine);
  for (const std::string& line : body) page.AddParagraph(line);
  page.AddTrailer();
  page.ClosePage();
}

}  // namespace

TextLines SectionLines(const TextLines& text, const std::string& key) {
  const long open = IndexOf(text, key);
  const long close = IndexOf(text, key + "。"_gbk);
  if (close - 1 < open + 1) return {};
  return TextLines(text.begin() + open + 1, text.begin() + close);
}

std::string AnimalYearTextsPath(const std::string& programFolder) { return programFolder + "data/animal_year.txt"; }

std::string StarSignYearTextsPath(const std::string& programFolder) { return programFolder + "data/sign_year.txt"; }

TextLines ReadTextLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  TextLines lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

void AnimalYearReading(const TextLines& animalYearTexts, const BirthProfile& profile, ValueLabels& labels,
                       ReportPage& page) {
  const std::string animal = BirthYearCycle(profile.birthDate).animal;
  labels.Set("Label48", animal);
  OutlookPage(page, "属相运程"_gbk,
              "你选择的出生日期是："_gbk + FormatDate(profile.birthDate.date) + "。你的属相应该是"_gbk + animal +
                  "。"_gbk,
              SectionLines(animalYearTexts, animal));
}

void StarSignYearReading(const TextLines& starSignYearTexts, const BirthProfile& profile, ValueLabels& labels,
                         ReportPage& page) {
  const CivilDate& birth = profile.birthDate.date;
  const std::string sign = StarSignOfDate(birth.month, birth.day);
  labels.Set("Label51", sign);
  OutlookPage(page, "星座运程"_gbk,
              "你选择的出生日期是："_gbk + FormatDate(birth) + "。该日期属于"_gbk + sign + "。"_gbk,
              SectionLines(starSignYearTexts, sign));
}

}  // namespace velmora
