#pragma once
// The person a reading is about, read afresh from the input strip by every
// command, and the rules of the name box.

#include <string>

#include "calendar/civil_date.h"

namespace velmora {

struct BirthProfile {
  std::string name;         // GBK
  std::string sex;          // GBK "男" or "女"
  std::string surnameKind;  // GBK "单姓" or "复姓"
  DateTime birthDate;
  std::string cnMonth;  // GBK lunar month text of the picker, such as 腊月 or 闰四
  std::string cnDay;    // GBK lunar day text of the picker, such as 初五
  int birthHourIndex = 0;
};

// Typed blanks, digits and Latin letters are dropped from the name box;
// everything else (and anything pasted) is kept.
bool IsDiscardedNameKey(char32_t typed);

// What the name box holds once it is left: at most its first 8 bytes, and
// "输入有误" when fewer than 2 bytes remain.
std::string NameOnLeave(const std::string& nameGbk);

// The toggles flip between their two captions.
std::string ToggledSex(const std::string& sex);
std::string ToggledSurnameKind(const std::string& surnameKind);

}  // namespace velmora
