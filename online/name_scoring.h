#pragma once
// 在线姓名评分: the surname and the given name are sent to the names service
// by a plain GET; the answer's middle (lines 70 .. count-90) is cut out, the
// service's advertising is taken away, and the rest is written, filtered, to
// a local page that the window's browser shows. Texts are GBK.

#include <string>

#include "online/line_buffer.h"

namespace velmora {

// What the two boxes hold: edit1 the surname part, edit2 the given-name part.
struct ScoreNameParts {
  std::string surname;
  std::string givenName;
  bool operator==(const ScoreNameParts&) const = default;
};

// The main window's name split for the two boxes: "单姓" takes bytes 1-2 and
// 3-6, "复姓" bytes 1-4 and 5-8.
ScoreNameParts ScorePartsOfName(const std::string& name, const std::string& surnameKind);

// Leaving a box: its text is cut to 4 bytes; then, shorter than 2 bytes, the
// boxes read "输入" and "有误".
ScoreNameParts ScorePartsOnLeave(ScoreNameParts parts, bool leavingSurname);

// The scoring page's address under the service's base (http://host[:port]).
// The parts travel percent-encoded, byte for byte, so a part holding "&" or
// "#" cannot change the request.
std::string NameScoreAddress(const std::string& base, const ScoreNameParts& parts);

// Clears both buffers, puts the answer body into memo1 and lines 70 ..
// count-90 of it into memo2 (nothing for a page of fewer than 160 lines),
// then takes out the service's advertising: every "width=", the invitations
// to apply for a name, and the service's picture; "点此申请" becomes
// "电脑算命" and the address of its naming application the maker's.
void CutScorePage(const std::string& body, LineBuffer& memo1, LineBuffer& memo2, const std::string& serviceBase);

// Writes the cut, filtered (html_filter.h), to the file; throws
// std::runtime_error with the file system's error text.
void WriteScorePage(const LineBuffer& memo2, const std::string& path);

}  // namespace velmora
