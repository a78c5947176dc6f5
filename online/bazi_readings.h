#pragma once
// The two online readings of the birth chart: 四柱批命 fills the form page of
// a hidden browser with the birth profile and submits it; when its answer
// page arrives, the reading is cut out between two marker lines and appended
// to the report page. 八字批命 does the same with another form and keeps two
// fixed ranges of the answer's HTML lines. Both also send the birth minute
// and place the user remembered, as the texts of readings/birth_details.h's
// TypedBirthDetailsOf, in the forms' optional fields; an empty text leaves
// its field empty, as the form page has it. Texts are GBK.

#include <string>

#include "online/line_buffer.h"
#include "platform/browser.h"
#include "readings/birth_details.h"
#include "readings/birth_profile.h"
#include "report/report_page.h"

namespace velmora {

const std::string& SizhuFormTitle();    // 周易八卦四柱八字算命在线免费算命
const std::string& SizhuAnswerTitle();  // 四柱八字在线免费算命系统
const std::string& SizhuStartMarker();  // the line two lines above the reading (ends in a blank)
const std::string& SizhuEndMarker();    // the line just below the reading
const std::string& BaziScoreFormTitle();  // 八字准确测试打分, the title of our form page
// "■八字准确测试打分■-vu姓名(" + the answering service's domain + ")".
std::string BaziScoreAnswerTitle(const std::string& serviceDomain);

// The birth years the answering service charts.
inline constexpr int kFirstOnlineChartYear = 1901;
inline constexpr int kLastOnlineChartYear = 2100;

// The birth year as both readings send it: as entered. Outside the years the
// service charts it throws std::out_of_range whose what() is the message for
// the user (UTF-8); a year moved into range would chart another person.
std::string OnlineChartYear(int year);

// 四柱批命: reloads the form page when the browser is not on it (without
// waiting: the fields then go to the page being replaced), fills the fields
// and submits every form. Throws as OnlineChartYear before it touches the
// browser, so a birth it cannot chart sends nothing.
void RequestSizhuReading(Browser& page, const BirthProfile& profile, const TypedBirthDetails& details,
                         const std::string& formPage);

// The answer of 四柱批命: the lines between the markers, filtered, each
// appended to the report as a left-aligned paragraph; the browser goes back
// to the form page. The two buffers are cleared first.
void TakeSizhuAnswer(Browser& page, LineBuffer& text, LineBuffer& cut, ReportPage& report, const std::string& formPage);

// 八字批命: fills the fields of the page the browser holds and clicks its
// first submit control; throws as RequestSizhuReading.
void RequestBaziScore(Browser& page, const BirthProfile& profile, const TypedBirthDetails& details);

// Where 八字批命's answer came from and what its addresses become.
struct BaziScoreAddresses {
  std::string serviceDomain;  // host[:port] of the answering service
  std::string makerDomain;    // put in place of the service's domain in the text
  std::string imageFolder;    // absolute address of the service's "/chest/bz/images"
};

// The answer of 八字批命: HTML lines 5..108 and 113..count-28, with the
// replacements of the answer's names and addresses, filtered, appended as
// paragraphs and closed; the browser goes back to the form page.
void TakeBaziScoreAnswer(Browser& page, LineBuffer& html, LineBuffer& cut, ReportPage& report,
                         const std::string& formPage, const BaziScoreAddresses& addresses);

}  // namespace velmora
