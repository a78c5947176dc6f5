#include "services/page.h"

#include "text/html_text.h"
#include "report/report_page.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

std::string StatusTitle(int status) {
  switch (status) {
    case 400: return "请求有误";
    case 404: return "没有这个页面";
    case 413: return "请求内容过大";
    case 416: return "请求的范围不存在";
    case 421: return "主机名不符";
    case 431: return "请求头过大";
    case 503: return "连接过多";
    default: return "服务暂时出错";
  }
}

}  // namespace

Page HtmlPage(const std::vector<std::string>& lines) { return {200, FileForm(lines)}; }

Page ErrorPage(int status, const std::string& message) {
  const std::string title = "Velmora 应答服务 - " + StatusTitle(status);
  const std::string text = GbkToUtf8(HtmlEscape(Utf8ToGbk(message)));
  Page page = HtmlPage({
      "<html>",
      "<head>",
      Utf8ToGbk("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"),
      Utf8ToGbk("<title>" + title + "</title>"),
      "</head>",
      "<body>",
      Utf8ToGbk("<h3>" + title + "</h3>"),
      Utf8ToGbk("<p>" + text + "</p>"),
      "</body>",
      "</html>",
  });
  page.status = status;
  return page;
}

}  // namespace velmora::services
