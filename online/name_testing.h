#pragma once
// 在线姓名测试: the name is converted to traditional characters through the
// table hz, put into the form page of the window's browser and sent to the
// names service; the answer's body is cleaned of the service's banners and
// shown from a local page. Texts are GBK.

#include <cstddef>
#include <string>

#include "online/line_buffer.h"
#include "platform/browser.h"
#include "refdb/reference_db.h"

namespace velmora {

const std::string& NameTestFormTitle();    // 阳宅四格
const std::string& NameTestAnswerTitle();  // Document Title
const std::string& OfflineNameTestMessage();

// The name box refuses typed characters 32..38 and 40..126: printable ASCII
// but the apostrophe.
bool IsRejectedTestNameKey(char32_t typed);

// The name box holds at most this many bytes (four characters).
inline constexpr std::size_t kLongestTestName = 8;

// Leaving the name box: cut to 8 bytes, never inside a character (a pasted
// text may hold one-byte characters before the cut); then shorter than 4
// bytes, or shorter than 6 with "复姓", it reads "输入有误".
std::string TestNameOnLeave(const std::string& name, const std::string& surnameKind);

// lbl3 and lbl5: the traditional surname and given name.
struct TraditionalName {
  std::string surname;
  std::string givenName;
  bool operator==(const TraditionalName&) const = default;
};

// The characters at bytes 1-2, 3-4, 5-6 and 7-8 looked up one by one in hz
// (the name bound as a key, never part of the statement); one without a row
// drops out. "复姓" puts the first two into the surname, "单姓" the first.
// Throws the database's error.
TraditionalName ConvertToTraditional(ReferenceDb& hz, const std::string& name, const std::string& surnameKind);

// On the form page only: ticks R1 for the sex (the first button for "男", the
// second for "女") and fills Name1 and Name2.
void FillNameTestForm(Browser& page, const std::string& sex, const TraditionalName& name);

// The answer page's body with the banners replaced and the table narrowed,
// filtered and written to the file; throws std::runtime_error with the file
// system's error text.
void TakeNameTestAnswer(Browser& page, LineBuffer& html, const std::string& path);

}  // namespace velmora
