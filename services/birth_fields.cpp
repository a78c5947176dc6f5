#include "services/birth_fields.h"

#include "calendar/lunar_conversion.h"
#include "services/page.h"
#include "text/gbk.h"

namespace velmora::services {

BirthFields ReadBirth(const Query& query, const std::string& yearField, const std::string& monthField,
                      const std::string& dayField, const std::string& hourField) {
  BirthFields birth;
  birth.date.year = query.Integer(yearField, kFirstSupportedYear, kLastSupportedYear);
  birth.date.month = query.Integer(monthField, 1, 12);
  birth.date.day = query.Integer(dayField, 1, 31);
  birth.hour = query.Integer(hourField, 0, 23);
  if (!IsExistingDate(birth.date)) throw BadRequest("出生日期 " + FormatDate(birth.date) + " 不存在");
  return birth;
}

Sex ReadSexDigit(const Query& query, const std::string& field) {
  const std::string sex = query.Text(field);
  if (sex == "1") return Sex::Male;
  if (sex == "0") return Sex::Female;
  throw BadRequest("参数 " + field + " 应为 1（男）或 0（女）");
}

Sex ReadSexWord(const Query& query, const std::string& field) {
  const std::string sex = query.Text(field);
  if (sex == "男"_gbk) return Sex::Male;
  if (sex == "女"_gbk) return Sex::Female;
  throw BadRequest("参数 " + field + " 应为“男”或“女”");
}

}  // namespace velmora::services
