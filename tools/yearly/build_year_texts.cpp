// Builds the yearly outlook texts of the content year from the reviewed prose
// in data/yearly and the facts of the calendar engine:
//   build_year_texts SOURCE_FOLDER OUTPUT_FOLDER
// writes OUTPUT_FOLDER/animal_year.txt and OUTPUT_FOLDER/sign_year.txt (GBK, CR LF).

#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/day_number.h"
#include "calendar/leap_months.h"
#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"
#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "platform/replace_file.h"
#include "text/gbk.h"
#include "tools/refdb/tsv.h"
#include "tools/yearly/year_facts.h"
#include "tools/tool_main.h"

namespace velmora::tools {
namespace {

constexpr int kContentYear = 2027;
const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kSigns[12] = {"白羊座", "金牛座", "双子座", "巨蟹座", "狮子座", "处女座",
                                "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座", "双鱼座"};
const char* const kMonthNumerals[12] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"};

// Prose by (section key, item).
using Prose = std::map<std::pair<std::string, std::string>, std::string>;

Prose LoadProse(const std::vector<std::string>& files) {
  Prose prose;
  for (const std::string& file : files) {
    for (const auto& row : ReadTsv(file).rows) {
      if (GbkToUtf8(Utf8ToGbk(row[2])) != row[2]) throw std::runtime_error(file + ": text outside GBK: " + row[2]);
      prose[{row[0], row[1]}] = row[2];
    }
  }
  return prose;
}

const std::string& Text(const Prose& prose, const std::string& key, const std::string& item) {
  const auto found = prose.find({key, item});
  if (found == prose.end() || found->second.empty()) throw std::runtime_error("no prose for " + key + " " + item);
  return found->second;
}

std::string DateText(const CivilDate& date) {
  return std::to_string(date.year) + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

std::vector<std::string> AnimalSection(const Prose& prose, int animal, const std::vector<LunarMonthFacts>& months) {
  const std::string name = kAnimals[animal];
  std::vector<std::string> lines = {name, "断曰：" + Text(prose, name, "断曰"), ""};
  const std::pair<const char*, const char*> yearly[] = {
      {"总体", "整体运势"}, {"财运", "财运"}, {"事业", "事业运"}, {"爱情", "爱情运"}, {"健康", "健康运"}};
  for (const auto& [item, heading] : yearly) {
    lines.push_back(std::string("【") + heading + "】" + Text(prose, name, item));
    lines.push_back("");
  }
  lines.push_back("属" + name + "的人出生年份与" + std::to_string(kContentYear) + "年虚岁：");
  std::string row;
  int inRow = 0;
  for (const BirthYearAge& birth : BirthYearsOfAnimal(animal, kContentYear)) {
    row += (inRow ? "　" : "") + std::to_string(birth.year) + "年生人（" + std::to_string(birth.age) + "岁）";
    if (++inRow == 4) {
      lines.push_back(row);
      row.clear();
      inRow = 0;
    }
  }
  if (!row.empty()) lines.push_back(row);
  lines.push_back("");
  for (const char* item : {"整年运势概括", "整年吉运", "整年凶运"}) {
    lines.push_back(std::string(item) + "：" + Text(prose, name, item));
  }
  lines.push_back("");
  lines.push_back("生肖" + name + "流月运势：");
  for (const LunarMonthFacts& month : months) {
    const std::string item = "月" + std::to_string(month.month);
    const std::string monthName = month.month == 1 ? "正" : kMonthNumerals[month.month - 1];
    lines.push_back("");
    lines.push_back("农历" + std::string(month.leap ? "闰" : "") + monthName + "月运势（公历" + DateText(month.first) +
                    "至" + DateText(month.last) + "）");
    lines.push_back("月建：" + month.stemBranch + "月　本月运势：" + Text(prose, name, item + "评"));
    lines.push_back(Text(prose, name, item));
    lines.push_back("吉利方位：" + Text(prose, name, item + "吉方") + "　幸运颜色：" + Text(prose, name, item + "吉色"));
    const ClashDay worst = FirstClashDay(month, animal);
    lines.push_back("本月最需谨慎之日：" + DateText(worst.date) + "（" + worst.stemBranch + "日，日冲属" + name + "）");
    lines.push_back("本月箴言：" + Text(prose, name, item + "箴言"));
  }
  lines.push_back(name + "。");
  return lines;
}

std::vector<std::string> SignSection(const Prose& prose, const std::string& sign) {
  const std::string year = std::to_string(kContentYear) + "年";
  std::vector<std::string> lines = {sign};
  const std::pair<const char*, const char*> yearly[] = {
      {"总体", "总体运势"}, {"事业", "事业运势"}, {"爱情", "爱情运势"}, {"财运", "财运运势"}, {"健康", "健康运势"}};
  for (const auto& [item, heading] : yearly) {
    lines.push_back(sign + year + heading);
    lines.push_back(Text(prose, sign, item));
    lines.push_back("");
  }
  for (int month = 1; month <= 12; ++month) {
    lines.push_back(sign + year + kMonthNumerals[month - 1] + "月运势");
    lines.push_back(Text(prose, sign, std::to_string(month) + "月"));
    if (month < 12) lines.push_back("");
  }
  lines.push_back(sign + "。");
  return lines;
}

// Sections joined by one empty line, as GBK with CR LF; no body line may
// look like a marker.
std::string JoinSections(const std::vector<std::vector<std::string>>& sections, const char* const* keys) {
  std::string text;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    for (std::size_t i = 0; i < sections[s].size(); ++i) {
      const std::string& line = sections[s][i];
      const bool marker = i == 0 || i + 1 == sections[s].size();
      for (std::size_t k = 0; k < 12 && !marker; ++k) {
        if (line == keys[k] || line == std::string(keys[k]) + "。") throw std::runtime_error("marker inside: " + line);
      }
      text += Utf8ToGbk(line) + "\r\n";
    }
    if (s + 1 < sections.size()) text += "\r\n";
  }
  return text;
}

void Build(const std::string& sources, const std::string& output) {
  const Prose animals = LoadProse({sources + "/animal_prose_1.tsv", sources + "/animal_prose_2.tsv"});
  const Prose signs = LoadProse({sources + "/sign_prose.tsv"});
  const std::vector<LunarMonthFacts> months = LunarMonthsOfYear(kContentYear);
  std::vector<std::vector<std::string>> animalSections, signSections;
  for (int animal = 0; animal < 12; ++animal) animalSections.push_back(AnimalSection(animals, animal, months));
  for (const char* sign : kSigns) signSections.push_back(SignSection(signs, sign));
  ReplaceFile(output + "/animal_year.txt", JoinSections(animalSections, kAnimals));
  ReplaceFile(output + "/sign_year.txt", JoinSections(signSections, kSigns));
  std::cout << "yearly texts of " << kContentYear << ": " << months.size() << " lunar months\n";
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_year_texts", "SOURCE_FOLDER OUTPUT_FOLDER", [](const std::vector<std::string>& args) {
    velmora::tools::Build(args[0], args[1]);
  });
}
