#include "online/name_testing.h"

#include <vector>

#include "online/browser_automation.h"
#include "online/html_filter.h"
#include "platform/replace_file.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {
namespace {

// The first element of that name in the document's "all" collection at or
// after a position; -1 when there is none.
int ElementNamed(const std::vector<BrowserElement>& elements, const std::string& name, int from = 0) {
  for (int i = from; i < static_cast<int>(elements.size()); ++i) {
    if (elements[static_cast<std::size_t>(i)].name == name) return i;
  }
  return -1;
}

}  // namespace

const std::string& NameTestFormTitle() { return "阳宅四格"_gbk; }
const std::string& NameTestAnswerTitle() {
  static const std::string title = "Document Title";
  return title;
}
const std::string& OfflineNameTestMessage() { return "你的机器可能未联接到互联网\r\r本功能需要实时在线！"_gbk; }

bool IsRejectedTestNameKey(char32_t typed) { return typed >= 32 && typed <= 126 && typed != U'\''; }

std::string TestNameOnLeave(const std::string& name, const std::string& surnameKind) {
  std::string kept = WholeCharactersWithin(name, kLongestTestName);
  if (kept.size() < 4 || (kept.size() < 6 && surnameKind == "复姓"_gbk)) return "输入有误"_gbk;
  return kept;
}

TraditionalName ConvertToTraditional(ReferenceDb& hz, const std::string& name, const std::string& surnameKind) {
  auto traditional = [&](int k) {
    hz.Lookup("select * from hz where name like \"" + BytesAt(name, 2 * k - 1, 2) + "\"");
    return hz.FieldText("oldname");
  };
  auto optional = [&](int k) { return BytesAt(name, 2 * k - 1, 2).empty() ? std::string() : traditional(k); };
  if (surnameKind == "复姓"_gbk) return {traditional(1) + traditional(2), optional(3) + optional(4)};
  return {traditional(1), traditional(2) + optional(3) + optional(4)};
}

void FillNameTestForm(Browser& page, const std::string& sex, const TraditionalName& name) {
  if (ReadTitle(page) != NameTestFormTitle()) return;
  const std::vector<BrowserElement> elements = page.Elements();
  int radio = ElementNamed(elements, "R1");
  if (radio >= 0 && sex != "男"_gbk) radio = ElementNamed(elements, "R1", radio + 1);
  if (radio >= 0) page.SetElementChecked(radio, true);
  if (const int surname = ElementNamed(elements, "Name1"); surname >= 0) page.SetElementValue(surname, name.surname);
  if (const int given = ElementNamed(elements, "Name2"); given >= 0) page.SetElementValue(given, name.givenName);
}

void TakeNameTestAnswer(Browser& page, LineBuffer& html, const std::string& path) {
  html.Clear();
  html.Append(ReadBodyHtml(page));
  // The browser writes markup in lower case with quoted attributes.
  html.ReplaceAll("<img src=\"1.jpg\" width=\"680\" height=\"115\">", "");
  html.ReplaceAll("超準形家姓名學論斷"_gbk, "Oskarn姓名数理形家论断"_gbk);
  html.ReplaceAll("<img border=\"0\" src=\"23.jpg\" width=\"680\" height=\"115\">",
                  "Oskarn工作室 中国年度优秀软件 经典强大权威"_gbk);
  html.ReplaceAll("width=\"700\"", "width=\"580\"");
  ReplaceFile(path, FilterAnswerHtml(html.Text()));
}

}  // namespace velmora
