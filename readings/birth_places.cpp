#include "readings/birth_places.h"

#include "text/gbk.h"

namespace velmora {
namespace {

std::string_view WithoutSuffix(std::string_view name) {
  for (const std::string& suffix : {"市"_gbk, "县"_gbk, "区"_gbk}) {
    if (name.size() > suffix.size() && name.ends_with(suffix)) return name.substr(0, name.size() - suffix.size());
  }
  return name;
}

}  // namespace

const BirthPlaces& BirthPlaces::Installed(const std::string&) {
  static const BirthPlaces places = [] {
    BirthPlaces table;
    const struct {
      const char *name, *province;
      double longitude, latitude;
    } rows[] = {
        {"北京市", "北京", 116.41, 39.90},   {"上海市", "上海", 121.47, 31.23},   {"乌鲁木齐市", "新疆", 87.62, 43.83},
        {"喀什市", "新疆", 75.99, 39.47},    {"拉萨市", "西藏", 91.11, 29.65},    {"哈尔滨市", "黑龙江", 126.53, 45.80},
        {"朝阳区", "北京", 116.44, 39.92},   {"朝阳市", "辽宁", 120.45, 41.57},   {"广州市", "广东", 113.26, 23.13},
    };
    for (const auto& row : rows) {
      table.places_.push_back({Utf8ToGbk(row.name), Utf8ToGbk(row.province), row.longitude, row.latitude, "Asia/Shanghai"});
    }
    return table;
  }();
  return places;
}

std::vector<const BirthPlace*> BirthPlaces::Find(std::string_view name, std::string_view province) const {
  std::vector<const BirthPlace*> found;
  for (const BirthPlace& place : places_) {
    if (place.name != name && WithoutSuffix(place.name) != name) continue;
    if (!province.empty() && place.province != province) continue;
    found.push_back(&place);
  }
  return found;
}

}  // namespace velmora
