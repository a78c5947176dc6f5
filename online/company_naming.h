#pragma once
// 公司起名: the window loads the naming service's company page in a browser
// the user does not see; on every page that is not the answer it ticks the
// length, fills in the founder's surname and the trade and submits every
// form; from the answer page it keeps the proposed names for its result
// label. Texts are GBK.

#include <string>
#include <vector>

#include "online/line_buffer.h"
#include "online/personal_naming.h"
#include "platform/browser.h"

namespace velmora {

inline constexpr const char* kCompanyTradeField = "hangye";

std::string CompanyNamingFormTitle(const std::string& serviceDomain);    // vu在线神算domain--公司起名
std::string CompanyNamingAnswerTitle(const std::string& serviceDomain);  // vu在线神算domain--公司字号产生器
const std::string& CompanyNamingStartMarker();  // the line two lines above the proposals (ends in a blank)
const std::string& CompanyNamingEndMarker();    // the line below them (three blanks between its parts, one at the end)
const std::string& CompanyNamingWaitText();     // shown for every page but the answer

// The twelve trades of the drop-down list, the first being the default.
const std::vector<std::string>& CompanyTradeNames();

// The founder's surname the command sends: the box's text, or 刘 for a blank box.
std::string CompanySurname(const std::string& text);

struct CompanyNamingRequest {
  int lengthIndex = 0;  // 0 for 两个字, 1 for 三个字
  std::string surname;
  std::string trade;
};

// Every completed document of the window's browser: the buffers are cleared;
// a page that is not the answer gets the radios of value lengthIndex + 2
// (compared as numbers: throws std::runtime_error at a radio whose value is
// not one), the surname and the trade, and every form is submitted; the label
// then shows the wait text. The answer page gives the lines from two below
// the start marker to the one before the end marker.
std::string TakeCompanyNamingPage(Browser& page, LineBuffer& answer, LineBuffer& extract,
                                  const CompanyNamingRequest& request, const std::string& serviceDomain);

}  // namespace velmora
