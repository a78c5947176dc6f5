#include "readings/birth_profile.h"

#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {

bool IsDiscardedNameKey(char32_t typed) {
  return typed == U' ' || (typed >= U'0' && typed <= U'9') || (typed >= U'A' && typed <= U'Z') ||
         (typed >= U'a' && typed <= U'z');
}

std::string NameOnLeave(const std::string& nameGbk) {
  std::string name = BytesAt(nameGbk, 1, 8);
  if (name.size() < 2) name = "输入有误"_gbk;
  return name;
}

std::string ToggledSex(const std::string& sex) { return sex == "男"_gbk ? "女"_gbk : "男"_gbk; }

std::string ToggledSurnameKind(const std::string& surnameKind) {
  return surnameKind == "单姓"_gbk ? "复姓"_gbk : "单姓"_gbk;
}

}  // namespace velmora
