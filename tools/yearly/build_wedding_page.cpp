// build_wedding_page OUTPUT_FILE: the page of auspicious wedding days of the
// content year, computed from the calendar engine by the rules of
// tools/yearly/wedding_days.h, written in GBK with CR LF.

#include <iostream>
#include <string>
#include <vector>

#include "platform/replace_file.h"
#include "report/report_page.h"
#include "text/gbk.h"
#include "tools/yearly/wedding_days.h"
#include "tools/tool_main.h"

namespace {

constexpr int kContentYear = 2027;

std::vector<std::string> WeddingPage() {
  const std::string year = std::to_string(kContentYear);
  std::vector<std::string> lines = {
      "<html>",
      "<head>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb18030\">",
      "<title>结婚吉日</title>",
      "<style>",
      "body { margin: 0; background: #fbf8f1; color: #3b2a1a; font-family: \"Noto Serif CJK SC\", 宋体, serif; }",
      "h1 { margin: 0; padding: 16px 20px 10px; font-size: 22px; color: #f6e7c1;"
      " background: linear-gradient(135deg, #7a1f1f, #b03a2e); letter-spacing: 3px; }",
      ".note { margin: 10px 20px; font-size: 12px; line-height: 1.7; color: #5a4a3a; }",
      "table { margin: 0 20px 20px; border-collapse: collapse; font-size: 13px; width: calc(100% - 40px); }",
      "th { background: #8b1a1a; color: #fff; padding: 5px 4px; font-weight: normal; }",
      "td { border-bottom: 1px solid #e4dccb; padding: 4px; text-align: center; }",
      "tr:nth-child(even) td { background: #fff6e0; }",
      ".month td { background: #f0e2c4 !important; color: #8b1a1a; font-weight: bold; text-align: left; }",
      "</style>",
      "</head>",
      "<body>",
      "<h1>" + year + "年婚庆吉日一览</h1>",
      "<p class=\"note\">择日依据：取建除十二值中的定日、成日、开日，且为青龙、明堂、金匮、天德、玉堂、司命六黄道日；"
      "避开岁破日与三娘煞日（农历初三、初七、十三、十八、廿二、廿七）。冲煞一栏列出当日所冲生肖与煞方，"
      "新人生肖与之相冲者宜另择吉日。</p>",
      "<table>",
      "<tr><th>公历</th><th>农历</th><th>星期</th><th>星座</th><th>值日</th><th>冲煞</th></tr>",
  };
  int month = 0;
  for (const velmora::tools::WeddingDay& day : velmora::tools::WeddingDaysOf(kContentYear)) {
    if (day.date.month != month) {
      month = day.date.month;
      lines.push_back("<tr class=\"month\"><td colspan=\"6\">" + year + "年" + std::to_string(month) + "月</td></tr>");
    }
    lines.push_back("<tr><td>" + std::to_string(day.date.month) + "月" + std::to_string(day.date.day) + "日</td><td>" +
                    day.lunarDate + "</td><td>" + day.weekday + "</td><td>" + day.starSign + "</td><td>" +
                    day.officer + "日 " + day.spirit + "</td><td>" + day.clash + "</td></tr>");
  }
  lines.insert(lines.end(), {"</table>", "</body>", "</html>"});
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_wedding_page", "OUTPUT_FILE", [](const std::vector<std::string>& args) {
    std::vector<std::string> gbk;
    for (const std::string& line : WeddingPage()) gbk.push_back(velmora::Utf8ToGbk(line));
    velmora::ReplaceFile(args[0], velmora::FileForm(gbk));
  });
}
