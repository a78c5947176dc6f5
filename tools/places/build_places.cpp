// Builds the installation's place table from the reviewed sources of
// data/places (UTF-8, see PROVENANCE.md there):
//   build_places SOURCE_FOLDER OUTPUT_FILE
// writes OUTPUT_FILE (data/places.tsv of the program folder) in GBK, one place
// a line after a header: name, short name, prefecture and its short name,
// province (abroad: country or region) and its short name, longitude,
// latitude, IANA zone, 1 when the coordinates are its prefecture's (else 0).
// Provinces other than the four municipalities are no places and stay out. A
// text GBK cannot hold, a coordinate out of range or a place listed twice stops
// the build.

#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/refdb/tsv.h"
#include "tools/tool_main.h"

namespace velmora::tools {
namespace {

constexpr char kChinaZone[] = "Asia/Shanghai";
constexpr char kGeoNamesSource[] = "GeoNames ";

struct Place {
  std::string name, shortName, prefecture, prefectureShort, province, provinceShort, longitude, latitude, zone;
  bool approximate = false;
};

void CheckDegrees(const std::string& text, double limit, const std::string& where) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < -limit || value > limit) {
    throw std::runtime_error(where + ": \"" + text + "\" is no coordinate");
  }
}

// The columns of a source by their header names, so that a reordered source still reads right.
std::map<std::string, std::string> Named(const TsvTable& table, const std::vector<std::string>& row) {
  std::map<std::string, std::string> fields;
  for (std::size_t i = 0; i < table.columns.size(); ++i) fields[table.columns[i]] = row[i];
  return fields;
}

std::vector<Place> ChinaPlaces(const std::string& file) {
  const TsvTable table = ReadTsv(file);
  std::map<std::string, std::map<std::string, std::string>> byCode;
  for (const auto& row : table.rows) {
    auto fields = Named(table, row);
    byCode[fields.at("代码")] = std::move(fields);
  }
  std::vector<Place> places;
  for (const auto& [code, fields] : byCode) {
    if (fields.at("经度").empty()) continue;  // a province, no place
    const auto& province = byCode.at(code.substr(0, 2) + "0000");
    const auto prefecture = byCode.find(code.substr(0, 4) + "00");
    const bool inPrefecture = code.substr(4) != "00" && prefecture != byCode.end();
    places.push_back({fields.at("名称"), fields.at("简称"), inPrefecture ? prefecture->second.at("名称") : "",
                      inPrefecture ? prefecture->second.at("简称") : "", province.at("名称"), province.at("简称"),
                      fields.at("经度"), fields.at("纬度"), kChinaZone, !fields.at("来源").starts_with(kGeoNamesSource)});
  }
  return places;
}

// Places outside mainland China: their zone is their own, they have no prefecture,
// and their region (地区, or 国家或地区 abroad) stands for the province.
std::vector<Place> ZonedPlaces(const std::string& file, const std::string& shortColumn, const std::string& regionColumn) {
  const TsvTable table = ReadTsv(file);
  std::vector<Place> places;
  for (const auto& row : table.rows) {
    const auto f = Named(table, row);
    places.push_back({f.at("名称"), f.at(shortColumn), "", "", f.at(regionColumn), f.at(regionColumn), f.at("经度"),
                      f.at("纬度"), f.at("时区"), false});
  }
  return places;
}

void Build(const std::vector<std::string>& args) {
  const std::string& sources = args[0];
  std::vector<Place> places = ChinaPlaces(sources + "/china.tsv");
  for (const auto& more : {ZonedPlaces(sources + "/hong_kong_macau_taiwan.tsv", "简称", "地区"),
                           ZonedPlaces(sources + "/world.tsv", "名称", "国家或地区")}) {
    places.insert(places.end(), more.begin(), more.end());
  }
  std::ofstream out(args[1], std::ios::binary | std::ios::trunc);
  out << GbkOf("名称\t简称\t地级\t地级简称\t省\t省简称\t经度\t纬度\t时区\t近似", "header") << "\n";
  std::set<std::string> seen;
  for (const Place& place : places) {
    const std::string where = place.province + " " + place.prefecture + " " + place.name;
    CheckDegrees(place.longitude, 180, where);
    CheckDegrees(place.latitude, 90, where);
    if (place.zone.empty() || !seen.insert(where).second) throw std::runtime_error(where + ": no zone, or listed twice");
    for (const std::string* text : {&place.name, &place.shortName, &place.prefecture, &place.prefectureShort,
                                    &place.province, &place.provinceShort, &place.longitude, &place.latitude}) {
      out << GbkOf(*text, where) << "\t";
    }
    out << place.zone << "\t" << (place.approximate ? "1" : "0") << "\n";
  }
  if (!out.flush()) throw std::runtime_error("cannot write " + args[1]);
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_places", "SOURCE_FOLDER OUTPUT_FILE", velmora::tools::Build);
}
