#pragma once
// The place table of the installation (data/places.tsv in the program folder,
// GBK, written at build time by tools/places/build_places): every county-level
// division of mainland China with its prefecture and province, the
// prefectures and the four municipalities, the towns of Hong Kong, Macau and
// Taiwan, and the main city of every other time zone, each with its longitude,
// latitude and IANA zone. Loaded once per program folder; read-only after
// that, so any number of threads may search it.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

// Longer than any place name of the table (GBK bytes): a text this long is no name.
inline constexpr std::size_t kLongestPlaceName = 64;

struct BirthPlace {
  std::string name;        // GBK, such as 喀什市; abroad the city, such as 纽约
  std::string province;    // GBK, such as 新疆维吾尔自治区; abroad the country or region
  std::string prefecture;  // GBK, such as 喀什地区; empty for prefectures, municipalities' districts, abroad
  double longitude = 0;    // degrees, east positive
  double latitude = 0;     // degrees, north positive
  std::string zone;        // IANA, "Asia/Shanghai" in mainland China
  bool approximate = false;  // the coordinates are its prefecture's: the sources hold none of its own
};

class BirthPlaces {
 public:
  // The table of a program folder, read on first use. Throws std::runtime_error
  // when data/places.tsv is missing or damaged (naming the file and line).
  static const BirthPlaces& Installed(const std::string& programFolder);

  // Reads a table in the installation's format; throws as Installed does.
  explicit BirthPlaces(const std::string& path);

  // Places whose name is `name` (GBK; also without its level: 喀什 finds 喀什市,
  // 海淀 海淀区), in the table's order. A non-empty `province` (GBK) keeps those
  // whose province or prefecture is it, with or without its level (新疆,
  // 新疆维吾尔自治区, 喀什地区 …), to tell namesakes apart. Nothing found is an
  // empty list (also for a name that is no GBK).
  std::vector<const BirthPlace*> Find(std::string_view name, std::string_view province = {}) const;

  // The one place a user means by a name and an optional province (GBK), as
  // Find reads them, where a county-level place yields to the prefecture of
  // the same name that holds it (喀什 is 喀什地区, whose seat is 喀什市; 朝阳 in
  // 辽宁 is 朝阳市, not its 朝阳县). Namesakes that remain leave it open: then
  // `namesakes` holds their regions (GBK, short: the province, with the
  // prefecture where two share a province), and an unknown name leaves both empty.
  struct Choice {
    const BirthPlace* place = nullptr;
    std::vector<std::string> namesakes;
  };
  Choice Choose(std::string_view name, std::string_view province = {}) const;

  // Every place, in the table's order (mainland China by division code first).
  const std::vector<BirthPlace>& All() const { return places_; }

 private:
  // The short forms of a place's own names, which only Find needs.
  struct Regions {
    std::string provinceShort;
    std::string prefectureShort;
  };
  std::vector<BirthPlace> places_;
  std::vector<Regions> regions_;
  std::unordered_multimap<std::string, std::size_t> byName_;
};

}  // namespace velmora
