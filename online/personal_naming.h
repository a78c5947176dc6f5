#pragma once
// 个人起名: the window loads the naming service's form page in a browser the
// user does not see, ticks the sex and the length, fills in the surname and
// presses the form's unnamed submit control; from the answer page it keeps
// the introduction and the proposed names, one blank line before each, for
// its result label. Texts are GBK.

#include <optional>
#include <string>

#include "online/line_buffer.h"
#include "platform/browser.h"

namespace velmora {

// The form's fields as the service names them.
inline constexpr const char* kNamingSurnameField = "xing";
inline constexpr const char* kNamingSexField = "xingbie";
inline constexpr const char* kNamingLengthField = "zishu";

// Where the naming service answers: its base address "http://host[:port]"
// (the text of its home-address line) and host[:port] (its domain in titles).
struct NamingService {
  std::string homeAddress;
  std::string domain;
};
NamingService NamingServiceAt(const std::string& base);

std::string PersonalNamingFormTitle(const std::string& serviceDomain);    // 五格数理起名,在线宝宝取名-[vu姓名网]domain
std::string PersonalNamingAnswerTitle(const std::string& serviceDomain);  // 三才五格起名,在线宝宝取名-[vu起名网]domain
const std::string& PersonalNamingStartMarker();  // 三才五格起名返回
const std::string& PersonalNamingEndMarker();    // ·产生的姓名，考虑到了三才五格、性别、评分、读音字义等因素！
const std::string& PersonalNamingErrorText();
const std::string& EnterChineseMessage();  // 请输入汉字

// The surname box after a change: its text without blanks at both ends, or
// rejected (to be emptied, with EnterChineseMessage) when that text is not
// made only of two-byte characters.
struct SurnameEntry {
  std::string text;
  bool rejected = false;
};
SurnameEntry CheckSurnameEntry(const std::string& text);

// The surname the command sends: nothing for a blank box, otherwise the
// first two bytes (the first character of a compound surname).
std::optional<std::string> NamingSurname(const std::string& text);

struct PersonalNamingRequest {
  std::string sex;     // the selected caption, 男 or 女
  std::string length;  // the selected caption, 3 or 2
  std::string surname;
};

// Every completed document of the window's browser. On the form page: the
// buffers are cleared, the radios ticked, the surname filled in and the first
// unnamed submit control clicked; then nothing is returned and the label
// stays. On the answer page: its text is appended to `answer`, the lines
// before the home-address line (from line 1) and each line between the two
// markers (after an empty line) are appended to `extract`, and the label
// becomes the extract's text. Any other page: the error text.
std::optional<std::string> TakePersonalNamingPage(Browser& page, LineBuffer& answer, LineBuffer& extract,
                                                  const PersonalNamingRequest& request, const NamingService& service);

}  // namespace velmora
