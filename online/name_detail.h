#pragma once
// 姓名详批: every name reading ends by searching the name at the search
// service in a hidden browser; when the answer arrives, its text around the
// marker line is appended to the report page the name reading has just
// published. Texts are GBK.

#include <string>

#include "online/line_buffer.h"
#include "platform/browser.h"
#include "report/report_page.h"

namespace velmora {

// The name followed by "的姓名测试结果".
std::string NameDetailTitle(const std::string& name);
const std::string& NameDetailMarker();  // 按下面方式开始测试

// The search address under the service's base; the name, as typed, travels
// percent-encoded byte for byte.
std::string NameDetailAddress(const std::string& base, const std::string& name);

// On every completion both buffers are cleared. On the top-level completion
// of the name's answer page, lines 15 .. k-4 and k+5 .. count-8 of the body's
// text (k the marker's line, -1 without it) are appended to the report page,
// each as escaped text followed by "<p>", after the lines "<html>" and the
// body tag; true then, false for any other completion.
bool TakeNameDetail(Browser& page, BrowserWindow window, const std::string& name, LineBuffer& text, LineBuffer& lines,
                    ReportPage& report);

}  // namespace velmora
