#include "readings/year_outlook.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr char kAnimalYearTexts[] = "data/animal_year.txt";
constexpr char kStarSignYearTexts[] = "data/sign_year.txt";

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

// Every outlook file holds a section for each of its keys: one without it is
// a file error, not an empty page. Throws std::runtime_error naming the file.
TextLines OutlookSection(const TextLines& texts, const std::string& key, const char* file) {
  TextLines section = SectionLines(texts, key);
  if (section.empty()) {
    throw std::runtime_error(std::string(file) + " holds no outlook for " + GbkToUtf8(key) +
                             ": the file is missing, unreadable or damaged");
  }
  return section;
}

}  // namespace

TextLines SectionLines(const TextLines& text, const std::string& key) {
  const long open = IndexOf(text, key);
  const long close = IndexOf(text, key + "。"_gbk);
  if (close - 1 < open + 1) return {};
  return TextLines(text.begin() + open + 1, text.begin() + close);
}

std::string AnimalYearTextsPath(const std::string& programFolder) { return programFolder + kAnimalYearTexts; }

std::string StarSignYearTextsPath(const std::string& programFolder) { return programFolder + kStarSignYearTexts; }

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
  const TextLines section = OutlookSection(animalYearTexts, animal, kAnimalYearTexts);
  labels.Set("Label48", animal);
  OutlookPage(page, "属相运程"_gbk,
              "你选择的出生日期是："_gbk + FormatDate(profile.birthDate.date) + "。你的属相应该是"_gbk + animal +
                  "。"_gbk,
              section);
}

void StarSignYearReading(const TextLines& starSignYearTexts, const BirthProfile& profile, ValueLabels& labels,
                         ReportPage& page) {
  const CivilDate& birth = profile.birthDate.date;
  const std::string sign = StarSignOfDate(birth.month, birth.day);
  const TextLines section = OutlookSection(starSignYearTexts, sign, kStarSignYearTexts);
  labels.Set("Label51", sign);
  OutlookPage(page, "星座运程"_gbk,
              "你选择的出生日期是："_gbk + FormatDate(birth) + "。该日期属于"_gbk + sign + "。"_gbk, section);
}

}  // namespace velmora
