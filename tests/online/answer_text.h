#pragma once
// A page's text as a browser reads it: the lines (UTF-8 in the test) in GBK,
// each followed by CR LF.

#include <initializer_list>
#include <string>

#include "text/gbk.h"

namespace velmora::testing {

inline std::string AnswerText(std::initializer_list<const char*> utf8Lines) {
  std::string text;
  for (const char* line : utf8Lines) text += Utf8ToGbk(line) + "\r\n";
  return text;
}

}  // namespace velmora::testing
