#include "services/bazi_api.h"

#include "calendar/lunar_conversion.h"
#include "services/birth_fields.h"
#include "services/chart_json.h"
#include "services/chart_text.h"
#include "text/gbk.h"
#include "text/utf8.h"

namespace velmora::services {
namespace {

constexpr const char* kJsonType = "application/json; charset=utf-8";

// The parameters as GBK, so that the readers of the pages read them too; a
// value that is no UTF-8 is refused naming its field, a name that is none
// without repeating it (the answer is UTF-8 JSON).
Query GbkQuery(const Query& query) {
  std::multimap<std::string, std::string> parameters;
  for (const auto& [name, value] : query.Parameters()) {
    if (!IsWellFormedUtf8(name)) throw BadRequest("有参数名不是 UTF-8 文字", "");
    if (!IsWellFormedUtf8(value)) throw BadRequest("参数 " + name + " 不是 UTF-8 文字", name);
    parameters.emplace(name, Utf8ToGbk(value));
  }
  return Query(std::move(parameters), query.Host());
}

BirthInput ReadApiBirth(const Query& query) {
  BirthInput birth;
  const std::optional<CivilDate> date = ParseDate(query.Text("birth"));
  if (!date || !IsExistingDate(*date) || date->year < kFirstSupportedYear || date->year > kLastSupportedYear) {
    throw BadRequest("参数 birth 应为 " + std::to_string(kFirstSupportedYear) + " 到 " +
                         std::to_string(kLastSupportedYear) + " 年间实有的日期 yyyy-mm-dd",
                     "birth");
  }
  birth.clock.date = *date;
  const std::optional<ClockReading> time = ParseClockTime(query.OptionalText("time").value_or("0"));
  if (!time) throw BadRequest("参数 time 应为 时 或 时:分（时 0 到 23，分 00 到 59）", "time");
  birth.clock.hour = time->hour;
  birth.clock.minute = time->minute.value_or(0);
  birth.hasMinute = time->minute.has_value();
  const std::string sex = query.OptionalText("sex").value_or("男"_gbk);
  if (sex != "男"_gbk && sex != "女"_gbk) throw BadRequest("参数 sex 应为“男”或“女”", "sex");
  birth.sex = sex == "男"_gbk ? Sex::Male : Sex::Female;
  return birth;
}

}  // namespace

std::vector<Route> ApiRoutes() { return {{"/api/bazi", BaziJsonPage}}; }

Page BaziJsonPage(const Query& query, const Sources& sources) {
  try {
    const Query gbk = GbkQuery(query);
    BirthInput birth = ReadApiBirth(gbk);
    ReadMinuteAndPlace(gbk, {"", "", "", "", "", "place", "province", "longitude"}, sources.Folder(), birth);
    return {200, ChartJson(ChartOfBirth(birth, sources.Now()), -1), kJsonType};
  } catch (const BadRequest& bad) {
    return {400, JsonError(bad.Field(), bad.what()), kJsonType};
  }
}

}  // namespace velmora::services
