// build_marriage_pages TEMPLATE OUTPUT_FOLDER: the three fixed marriage pages
// the main window holds, written in GBK with CR LF as marriage_a.htm,
// marriage_b.htm and marriage_c.htm. Each is the template (UTF-8) with its
// button's caption and its legend filled in; page B ends there, pages A and C
// go on with their applet element and the report trailer. "$(service:NAME)"
// stands where a marriage server's address goes. Every page runs the
// program's own script beside it (ssbx.js), never one of a server: a local
// page can read local files, and a server's script must not.

#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "online/marriage_pages.h"
#include "platform/replace_file.h"
#include "report/report_page.h"
#include "text/gbk.h"
#include "text/text_lines.h"
#include "tools/tool_main.h"

namespace {

struct FixedPage {
  const char* file;
  const char* button;
  const char* legend;
  std::optional<std::string> applet;  // with the trailer after it
};

std::string Replaced(std::string text, const std::string& marker, const std::string& value) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) throw std::runtime_error("the template has no " + marker);
  return text.replace(at, marker.size(), value);
}

void Build(const std::string& templatePath, const std::string& folder) {
  std::ifstream in(templatePath, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + templatePath);
  const std::string page(std::istreambuf_iterator<char>(in), {});
  const char* const kLetters = "A姻缘系数&nbsp; B成婚系数&nbsp; C性和谐系数&nbsp; D感情系数&nbsp; E健康系数&nbsp; F财运系数";
  const FixedPage pages[] = {
      {"marriage_a.htm", "马上计算姻缘指数 ", kLetters,
       velmora::GbkToUtf8(velmora::MarriageAppletLine("hunpeie", "$(service:marriage1)/hunpei/java/hunpei/"))},
      {"marriage_b.htm", "马上计算姻缘指数 ", kLetters, std::nullopt},
      {"marriage_c.htm", "点击这里马上测算",
       "1.姻缘系数 2.成婚系数 3.性和谐系数 4.感情系数 5.健康系数 6.财运系数",
       "<applet name=\"hunpei\" code=\"hunpei\" codebase=\"$(service:marriage4)/java/hunpei/\" width=\"340\" "
       "height=\"220\" align=\"Top\" alt=\"123\"></applet>"},
  };
  for (const FixedPage& fixed : pages) {
    const std::string text = Replaced(Replaced(page, "@BUTTON@", fixed.button), "@LEGEND@", fixed.legend);
    std::vector<std::string> lines;
    for (std::string& line : velmora::SplitLines(text)) lines.push_back(velmora::Utf8ToGbk(line));
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (fixed.applet) {
      lines.push_back(velmora::Utf8ToGbk(*fixed.applet));
      const std::vector<std::string>& trailer = velmora::ReportTrailer();
      lines.insert(lines.end(), trailer.begin(), trailer.end());
    }
    velmora::ReplaceFile(folder + "/" + fixed.file, velmora::FileForm(lines));
  }
}

}  // namespace

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_marriage_pages", "TEMPLATE OUTPUT_FOLDER",
                                 [](const std::vector<std::string>& args) { Build(args[0], args[1]); });
}
