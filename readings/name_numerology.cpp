#include "readings/name_numerology.h"

#include <array>
#include <optional>

#include "readings/decimal_text.h"
#include "readings/five_grids.h"
#include "text/html_text.h"
#include "readings/stroke_lookup.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"
#include "text/text_lines.h"

namespace velmora {
namespace {

const char* const kCharacterLabels[4] = {"Label1", "Label2", "Label3", "Label4"};
const char* const kStrokeLabels[4] = {"Label5", "Label6", "Label7", "Label8"};
constexpr const char* kHeaven = "Label14";
constexpr const char* kPerson = "Label15";
constexpr const char* kEarth = "Label16";
constexpr const char* kOuter = "Label17";
constexpr const char* kTotal = "Label18";
constexpr const char* kThreeTalents = "Label20";

void Store(ValueLabels& labels, const char* label, const std::optional<int>& value) {
  if (value) labels.Set(label, std::to_string(*value));
}

// A lead-in followed by a text: its first line joins the lead-in, the others follow.
void AddLeadIn(std::vector<std::string>& out, const std::string& leadIn, const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  lines.front() = leadIn + lines.front();
  out.insert(out.end(), lines.begin(), lines.end());
}

void AddText(std::vector<std::string>& out, const std::string& text) {
  const std::vector<std::string> lines = SplitLines(text);
  out.insert(out.end(), lines.begin(), lines.end());
}

}  // namespace

std::string ElementOfDigit(char lastDigit) {
  switch (lastDigit) {
    case '1': case '2': return "木"_gbk;
    case '3': case '4': return "火"_gbk;
    case '5': case '6': return "土"_gbk;
    case '7': case '8': return "金"_gbk;
    default: return "水"_gbk;
  }
}

std::vector<std::string> NameReading(ReferenceDb& db, const BirthProfile& profile, ValueLabels& labels) {
  const std::string& name = profile.name;
  const int length = static_cast<int>(name.size());
  for (int k = 1; k <= 4; ++k) {
    const std::string character = CharacterAt(name, k);
    labels.Set(kCharacterLabels[k - 1], character);
    labels.Set(kStrokeLabels[k - 1], LookupStrokeCount(db, character));
  }
  std::array<std::optional<int>, 4> strokes;
  for (std::size_t k = 0; k < strokes.size(); ++k) {
    const std::string& count = labels.Get(kStrokeLabels[k]);
    if (!count.empty()) strokes[k] = ParseDecimal(count);
  }

  const FiveGrids grids = GridsOf(strokes, length, profile.surnameKind != "单姓"_gbk);
  Store(labels, kHeaven, grids.heaven);
  Store(labels, kPerson, grids.person);
  Store(labels, kEarth, grids.earth);
  Store(labels, kOuter, grids.outer);
  Store(labels, kTotal, grids.total);

  auto lastDigit = [&](const char* label) {
    const std::string& grid = labels.Get(label);
    return grid.empty() ? '0' : grid.back();
  };
  const std::string threeTalents = ElementOfDigit(lastDigit(kHeaven)) + ElementOfDigit(lastDigit(kPerson)) +
                                   ElementOfDigit(lastDigit(kEarth));
  labels.Set(kThreeTalents, threeTalents);

  db.Lookup("select * from 三才吉凶 where 三才 = \""_gbk + threeTalents + "\"");
  const std::string talents2 = db.FieldText("三才2"_gbk);
  const std::string talents1 = db.FieldText("三才1"_gbk);
  const std::string verdict = db.FieldText("吉凶"_gbk);

  // 81 is taken off once: 82 reads as 1, 162 as 81, 163 stays above 81.
  const int total = ParseDecimal(labels.Get(kTotal));
  if (total > 81) labels.Set(kTotal, std::to_string(total - 81));
  db.Lookup("select * from 八十一划 where 数字 = \""_gbk + labels.Get(kTotal) + "\"");
  const std::string meaning = db.FieldText("内容"_gbk);

  std::vector<std::string> lines;
  lines.push_back(HtmlEscape(name) + "，"_gbk + HtmlEscape(profile.sex) + "，生于"_gbk +
                  FormatDate(profile.birthDate.date) + "。"_gbk + "三才："_gbk + threeTalents);
  lines.push_back("你的姓名可能隐含如下信息："_gbk);
  lines.emplace_back();
  AddText(lines, talents2);
  AddLeadIn(lines, "根据汉字吉凶理论，你的姓名可能隐含如下吉凶信息："_gbk, talents1);
  lines.emplace_back();
  AddLeadIn(lines, "根据三才吉凶理论，你的姓名可能隐含如下吉凶信息："_gbk, verdict);
  lines.emplace_back();
  lines.emplace_back();
  AddLeadIn(lines, "根据笔划数理理论，你的姓名还可能隐含如下吉凶信息："_gbk, meaning);
  lines.emplace_back();
  lines.push_back("内容参考众多不同古籍，如有冲突，以尊重原文为主！"_gbk);
  return lines;
}

void BuildNamePage(ReportPage& page, const std::vector<std::string>& readingText) {
  page.BeginPage(PageTitleLine("姓名测算"_gbk), PlainSeparator());
  for (const std::string& line : readingText) page.AddParagraph(line);
  page.AddTrailer();
  page.ClosePage();
}

}  // namespace velmora
