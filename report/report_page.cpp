#include "report/report_page.h"

#include "platform/replace_file.h"
#include "text/gbk.h"
#include "text/text_lines.h"

namespace velmora {

std::string PageTitleLine(const std::string& topic) {
  return "<p style=\"margin-bottom: 0\" align=\"center\"><b><font size=\"5\" color=\"#8B1A1A\">Velmora - "_gbk + topic +
         "</font></b></P>";
}

const std::string& FiveElementTitleLine() {
  return "<p style=\"margin-bottom: 0\" align=\"center\"><b><font size=\"5\">Velmora - 八字起名</font></b></P>"_gbk;
}

const std::string& PlainSeparator() { return "<Hr width=\"80%\"><BR>"_gbk; }

const std::string& SmallFontSeparator() { return "<Hr width=\"80%\"><font size=\"2\"><BR>"_gbk; }

const std::vector<std::string>& ReportTrailer() {
  static const std::vector<std::string> lines = [] {
    const char* const utf8[] = {
        "<!--你可以更改以下的颜色代码-->",
        "<html>",
        "<head>",
        "<STYLE>",
        "BODY {",
        "SCROLLBAR-FACE-COLOR:#eeeeee;",
        "SCROLLBAR-3DLIGHT-COLOR:#eeeeee;",
        "SCROLLBAR-DARKSHADOW-COLOR:#eeeeee;",
        "SCROLLBAR-BASE-COLOR:#eeeeee",
        "}",
        "</STYLE>",
        "</head>",
        "</html>",
        "",
        "",
        "<script language=\"JavaScript\">",
        "<!--",
        " ",
        "if (window.Event) ",
        "  document.captureEvents(Event.MOUSEUP); ",
        " ",
        "function nocontextmenu() ",
        "{",
        " event.cancelBubble = true",
        " event.returnValue = false;",
        " ",
        " return false;",
        "}",
        " ",
        "function norightclick(e) ",
        "{",
        " if (window.Event) ",
        " {",
        "  if (e.which == 2 || e.which == 3)",
        "   return false;",
        " }",
        " else",
        "  if (event.button == 2 || event.button == 3)",
        "  {",
        "   event.cancelBubble = true",
        "   event.returnValue = false;",
        "   return false;",
        "  }",
        " ",
        "}",
        " ",
        "document.oncontextmenu = nocontextmenu;",
        "document.onmousedown = norightclick;",
        "</script>",
        "",
        "<body style=\"font-size: 10pt; font-family: 宋体\"></body>",
    };
    std::vector<std::string> gbk;
    for (const char* line : utf8) gbk.push_back(Utf8ToGbk(line));
    return gbk;
  }();
  return lines;
}

void ReportPage::BeginPage(const std::string& titleLine, const std::string& separatorLine) {
  lines_ = {"<html>", "<Body bgcolor=\"white\">", titleLine, separatorLine};
}

void ReportPage::AddRaw(const std::string& line) { lines_.push_back(line); }

void ReportPage::AddParagraph(const std::string& text) {
  for (std::string& line : SplitLines(text)) {
    lines_.push_back(std::move(line));
    lines_.push_back("<p>");
  }
}

void ReportPage::AddTrailer() {
  const std::vector<std::string>& trailer = ReportTrailer();
  lines_.insert(lines_.end(), trailer.begin(), trailer.end());
}

void ReportPage::ClosePage() { lines_.push_back("</BODY></HTML>"); }

std::string FileForm(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string ReportPage::FileText() const { return FileForm(lines_); }

void ReportPage::WriteTo(const std::string& path) const { ReplaceFile(path, FileText()); }

}  // namespace velmora
