#include "readings/five_elements.h"

#include <algorithm>
#include <vector>

#include "online/browser_automation.h"
#include "readings/bone_weight.h"
#include "readings/decimal_text.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"
#include "text/text_lines.h"
#include "text/utf8.h"

namespace velmora {
namespace {

constexpr int kRunBytes = 160;
constexpr std::size_t kCountsLine = 18;

}  // namespace

std::string CharacterRun(const std::string& list, int start) {
  const auto size = static_cast<int>(list.size());
  if (start < 1 || start > size) return BytesAt(list, 1, kRunBytes);
  std::string run = BytesAt(list, start, kRunBytes);
  run += BytesAt(list, 1, kRunBytes - static_cast<int>(run.size()));
  return run;
}

std::string FormatCharacterGroup(const std::string& gbk) {
  // Each character above U+0100 becomes " " + character + "、".
  std::string spaced;
  for (char32_t c : DecodeUtf8(GbkToUtf8(gbk))) {
    if (c > 0x100) spaced += ' ';
    spaced += EncodeUtf8(c);
    if (c > 0x100) spaced += "、";
  }
  std::string text = Utf8ToGbk(spaced);
  std::string single;
  for (std::size_t i = 0; i < text.size(); ++i) {
    single += text[i];
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') ++i;  // one pass: "  " -> " "
  }
  const auto blankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto first = std::find_if_not(single.begin(), single.end(), blankOrControl);
  const auto last = std::find_if_not(single.rbegin(), single.rend(), blankOrControl).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string RankingSentence(const std::string (&weakestFirst)[5], int weakestCount, int secondCount) {
  return "在你的五行中，"_gbk + weakestFirst[4] + "盛，"_gbk + weakestFirst[3] + "旺，"_gbk + weakestFirst[2] +
         "平，"_gbk + weakestFirst[1] + (secondCount == 0 ? "缺，"_gbk : "弱，"_gbk) + weakestFirst[0] +
         (weakestCount == 0 ? "缺。"_gbk : "弱。"_gbk);
}

bool FiveElementReading(Browser& elementCountPage, ReferenceDb& db, const BirthProfile& profile,
                        ValueLabels& labels, ReportPage& page) {
  const int weight = WeighBirth(profile, labels);
  std::vector<std::string> report = {
      "根据你的生辰八字，五行生缺情况如下，其中括号中的数字为该八字包括的相应五行个数。"_gbk};

  const std::string date = FormatDate(profile.birthDate.date);
  SetFormField(elementCountPage, "y", date.substr(0, 4));
  SetFormField(elementCountPage, "m", std::to_string(ParseDecimal(date.substr(5, 2))));
  SetFormField(elementCountPage, "d", std::to_string(ParseDecimal(date.substr(8, 2))));
  SetFormField(elementCountPage, "h", std::to_string(profile.birthHourIndex));
  const int s1 = weight % 2 == 1 ? weight - 20 : weight - 19;
  const int s2 = 10 * weight + 1;

  const std::optional<int> button = FirstButtonInput(elementCountPage);
  if (!button) return false;
  elementCountPage.ClickElement(*button);
  const std::vector<std::string> chart = SplitLines(elementCountPage.BodyText());
  const std::string counts = chart.size() > kCountsLine ? chart[kCountsLine] : std::string();

  // The rows' stored order is the order of the digits.
  db.Lookup("select * from 五行"_gbk);
  db.First();
  for (int k = 0; k < 5 && !db.AtEnd(); ++k) {
    db.Edit();
    db.SetFieldText("数字"_gbk, BytesAt(counts, 13 + k, 1));
    db.Post();
    db.Next();
  }
  db.SetSort("数字 ASC"_gbk);
  std::string labelsWeakestFirst[5];
  int weakestCount = 0, secondCount = 0;
  std::string weakestList, secondList;
  db.First();
  for (int k = 0; k < 5 && !db.AtEnd(); ++k, db.Next()) {
    const std::string count = db.FieldText("数字"_gbk);
    labelsWeakestFirst[k] = db.FieldText("五行"_gbk) + "(" + count + ")";
    if (k == 0) {
      weakestCount = ParseDecimal(count);
      weakestList = db.FieldText("汉字"_gbk);
    } else if (k == 1) {
      secondCount = ParseDecimal(count);
      secondList = db.FieldText("汉字"_gbk);
    }
  }
  report.push_back(RankingSentence(labelsWeakestFirst, weakestCount, secondCount));
  report.emplace_back();
  report.push_back(
      "一个好名字，足以补拙转运！软件参考近百种中国古代算命书籍，根据这个五行结果，下面的二组汉字将是最适合该八字的取名用字，可从中取一字或者各取一字，以搭配八字五行中的盛旺平弱缺，组合后的名字将是三才、数理、五行的绝配！"_gbk);
  report.push_back(FormatCharacterGroup(CharacterRun(weakestList, s1)));
  report.push_back(FormatCharacterGroup(CharacterRun(secondList, s2)));
  report.emplace_back();

  page.BeginPage(FiveElementTitleLine(), PlainSeparator());
  for (std::size_t line = 30; line < 40; ++line) page.AddParagraph(line < chart.size() ? chart[line] : std::string());
  for (const std::string& line : report) page.AddParagraph(line);
  page.ClosePage();
  return true;
}

}  // namespace velmora
