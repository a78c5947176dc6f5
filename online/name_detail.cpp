#include "online/name_detail.h"

#include "online/browser_automation.h"
#include "online/percent_encoding.h"
#include "text/html_text.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kFirstLine = 15;
constexpr int kLinesAboveMarker = 4;
constexpr int kLinesBelowMarker = 5;
constexpr int kDroppedTail = 8;

// The answer's lines are text: escaped, they can only ever show as text, so
// the page needs no filter.
void AppendParagraphs(const LineBuffer& text, int first, int last, LineBuffer& lines) {
  for (int i = first; i <= last; ++i) {
    lines.Append(HtmlEscape(text.Line(i)));
    lines.Append("<p>");
  }
}

}  // namespace

std::string NameDetailTitle(const std::string& name) { return name + "的姓名测试结果"_gbk; }
const std::string& NameDetailMarker() { return "按下面方式开始测试"_gbk; }

std::string NameDetailAddress(const std::string& base, const std::string& name) {
  return base + "/s?st=2&word=" + PercentEncoded(name) + "&FrontType=1&submit1=";
}

bool TakeNameDetail(Browser& page, BrowserWindow window, const std::string& name, LineBuffer& text, LineBuffer& lines,
                    ReportPage& report) {
  text.Clear();
  lines.Clear();
  if (!IsTopLevelCompletion(page, window) || ReadTitle(page) != NameDetailTitle(name)) return false;
  text.Append(ReadBodyText(page));
  lines.Append("<html>");
  lines.Append("<Body bgcolor=\"white\" style=\"font-size: 10pt; font-family: 宋体\">"_gbk);
  const int marker = text.Find(NameDetailMarker());
  AppendParagraphs(text, kFirstLine, marker - kLinesAboveMarker, lines);
  AppendParagraphs(text, marker + kLinesBelowMarker, text.Count() - kDroppedTail, lines);
  for (const std::string& line : lines.Lines()) report.AddRaw(line);
  return true;
}

}  // namespace velmora
