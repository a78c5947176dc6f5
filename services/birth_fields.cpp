#include "services/birth_fields.h"

#include <charconv>
#include <cmath>

#include "calendar/lunar_conversion.h"
#include "readings/birth_places.h"
#include "services/chart_text.h"
#include "services/page.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

double ReadLongitude(const Query& query, const std::string& field) {
  const std::optional<double> longitude = ParseLongitude(query.Text(field));
  if (!longitude) throw BadRequest("参数 " + field + " 应为 -180 到 180 之间的经度（东经为正），如 116.4", field);
  return *longitude;
}

const BirthPlace& ReadPlace(const Query& query, const BirthFieldNames& names, const std::string& programFolder) {
  const std::string name = query.Text(names.place);
  if (name.empty() || name.size() > kLongestPlaceName) {
    throw BadRequest("参数 " + names.place + " 应为地名，不超过 " + std::to_string(kLongestPlaceName) + " 字节", names.place);
  }
  const std::string province = names.province.empty() ? "" : query.OptionalText(names.province).value_or("");
  const BirthPlaces::Choice choice = BirthPlaces::Installed(programFolder).Choose(name, province);
  if (!choice.namesakes.empty()) {
    std::string regions;
    for (const std::string& region : choice.namesakes) regions += (regions.empty() ? "" : "、") + GbkToUtf8(region);
    throw BadRequest("参数 " + names.place + " 所填地名“" + GbkToUtf8(name) + "”有多处（" + regions + "），请以参数 " +
                     names.province + " 指明省份", names.province);
  }
  if (!choice.place) {
    throw BadRequest("参数 " + names.place + " 所填地名“" + GbkToUtf8(name) + "”" +
                     (province.empty() ? "" : "（" + GbkToUtf8(province) + "）") + "不在地名表中", names.place);
  }
  return *choice.place;
}

}  // namespace

BirthInput ReadBirth(const Query& query, const BirthFieldNames& names, const std::string& programFolder) {
  BirthInput birth;
  birth.clock.date.year = query.Integer(names.year, kFirstSupportedYear, kLastSupportedYear);
  birth.clock.date.month = query.Integer(names.month, 1, 12);
  birth.clock.date.day = query.Integer(names.day, 1, 31);
  birth.clock.hour = query.Integer(names.hour, 0, 23);
  if (!IsExistingDate(birth.clock.date)) throw BadRequest("出生日期 " + FormatDate(birth.clock.date) + " 不存在", names.day);
  ReadMinuteAndPlace(query, names, programFolder, birth);
  return birth;
}

void ReadMinuteAndPlace(const Query& query, const BirthFieldNames& names, const std::string& programFolder,
                        BirthInput& birth) {
  // Form pages send empty optional fields: empty is the same as missing.
  auto given = [&query](const std::string& field) {
    return !field.empty() && !query.OptionalText(field).value_or("").empty();
  };
  if (given(names.minute)) {
    birth.clock.minute = query.Integer(names.minute, 0, 59);
    birth.hasMinute = true;
  }
  const bool hasPlace = given(names.place), hasLongitude = given(names.longitude);
  if (hasPlace && hasLongitude) {
    throw BadRequest("参数 " + names.place + " 与 " + names.longitude + " 只能填一个", names.longitude);
  }
  if (hasPlace) {
    SetBirthPlace(birth, ReadPlace(query, names, programFolder));
  }
  if (hasLongitude) birth.longitude = ReadLongitude(query, names.longitude);
}

BaziChart ChartOfBirth(const BirthInput& birth, std::time_t now) {
  try {
    return ChartOf(birth, CurrentYearUtc8(now));
  } catch (const std::invalid_argument& outside) {
    throw BadRequest(std::string("出生时间无法排盘：") + outside.what());
  }
}

Sex ReadSexDigit(const Query& query, const std::string& field) {
  const std::string sex = query.Text(field);
  if (sex == "1") return Sex::Male;
  if (sex == "0") return Sex::Female;
  throw BadRequest("参数 " + field + " 应为 1（男）或 0（女）", field);
}

Sex ReadSexWord(const Query& query, const std::string& field) {
  const std::string sex = query.Text(field);
  if (sex == "男"_gbk) return Sex::Male;
  if (sex == "女"_gbk) return Sex::Female;
  throw BadRequest("参数 " + field + " 应为“男”或“女”", field);
}

}  // namespace velmora::services
