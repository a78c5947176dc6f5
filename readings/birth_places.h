#pragma once
// The places a birth can be charted at: name, province, longitude, latitude
// and time zone.
//
// TEMPORARY STAND-IN, kept only on this branch until the installation's place
// table lands: a handful of places, enough to chart a birth at a place and to
// tell namesakes apart by their province.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct BirthPlace {
  std::string name;      // GBK
  std::string province;  // GBK; abroad: the country
  double longitude = 0;  // degrees, east +
  double latitude = 0;   // degrees, north +
  std::string zone;      // IANA, "Asia/Shanghai" in mainland China
};

class BirthPlaces {
 public:
  // The table of the installation in the program folder.
  static const BirthPlaces& Installed(const std::string& programFolder);
  // Places whose name is `name` (GBK; also without its 市/县/区 suffix),
  // narrowed by `province` (GBK, may be empty) when namesakes exist.
  std::vector<const BirthPlace*> Find(std::string_view name, std::string_view province = {}) const;

 private:
  std::vector<BirthPlace> places_;
};

}  // namespace velmora
