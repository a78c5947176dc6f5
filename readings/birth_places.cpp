#include "readings/birth_places.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

#include "text/text_lines.h"

namespace velmora {
namespace {

// Columns of data/places.tsv, after its header line.
enum Column { kName, kShort, kPrefecture, kPrefectureShort, kProvince, kProvinceShort, kLongitude, kLatitude, kZone,
              kApproximate, kColumns };
// No name of the table comes near this; longer input is no place.
constexpr std::size_t kLongestName = 64;

double Degrees(const std::string& text, double limit, const std::string& where) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < -limit || value > limit) {
    throw std::runtime_error(where + ": \"" + text + "\" is no coordinate within ±" + std::to_string(int(limit)));
  }
  return value;
}

}  // namespace

BirthPlaces::BirthPlaces(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the place table " + path);
  std::string line;
  if (!std::getline(in, line)) throw std::runtime_error(path + ": empty");
  for (int number = 2; std::getline(in, line); ++number) {
    const std::string where = path + ":" + std::to_string(number);
    const std::vector<std::string> f = SplitTabs(line);
    if (f.size() != kColumns) {
      throw std::runtime_error(where + ": " + std::to_string(f.size()) + " fields, not " + std::to_string(kColumns));
    }
    if (f[kName].empty() || f[kProvince].empty() || f[kZone].empty() || (f[kApproximate] != "0" && f[kApproximate] != "1")) {
      throw std::runtime_error(where + ": a place needs a name, a province, a zone and 0 or 1 for approximate");
    }
    places_.push_back({f[kName], f[kProvince], f[kPrefecture], Degrees(f[kLongitude], 180, where),
                       Degrees(f[kLatitude], 90, where), f[kZone], f[kApproximate] == "1"});
    regions_.push_back({f[kProvinceShort], f[kPrefectureShort]});
    const std::size_t index = places_.size() - 1;
    byName_.emplace(f[kName], index);
    if (f[kShort] != f[kName]) byName_.emplace(f[kShort], index);
  }
  if (places_.empty()) throw std::runtime_error(path + ": no places");
}

const BirthPlaces& BirthPlaces::Installed(const std::string& programFolder) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<const BirthPlaces>> tables;
  const std::lock_guard lock(mutex);
  std::unique_ptr<const BirthPlaces>& table = tables[programFolder];
  if (!table) table = std::make_unique<const BirthPlaces>(programFolder + "/data/places.tsv");
  return *table;
}

std::vector<const BirthPlace*> BirthPlaces::Find(std::string_view name, std::string_view province) const {
  std::vector<std::size_t> found;
  if (name.empty() || name.size() > kLongestName) return {};
  const auto [first, last] = byName_.equal_range(std::string(name));
  for (auto it = first; it != last; ++it) {
    const BirthPlace& place = places_[it->second];
    const Regions& regions = regions_[it->second];
    if (province.empty() || province == place.province || province == regions.provinceShort ||
        (!place.prefecture.empty() && (province == place.prefecture || province == regions.prefectureShort))) {
      found.push_back(it->second);
    }
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  std::vector<const BirthPlace*> places;
  for (const std::size_t index : found) places.push_back(&places_[index]);
  return places;
}

BirthPlaces::Choice BirthPlaces::Choose(std::string_view name, std::string_view province) const {
  const std::vector<const BirthPlace*> found = Find(name, province);
  std::vector<const BirthPlace*> meant;
  for (const BirthPlace* place : found) {
    const bool inNamesakePrefecture = std::any_of(found.begin(), found.end(), [place](const BirthPlace* other) {
      return !place->prefecture.empty() && other->name == place->prefecture;
    });
    if (!inNamesakePrefecture) meant.push_back(place);
  }
  Choice choice;
  if (meant.size() == 1) choice.place = meant.front();
  if (meant.size() < 2) return choice;
  for (const BirthPlace* place : meant) {
    const Regions& regions = regions_[static_cast<std::size_t>(place - places_.data())];
    const bool sharesProvince = std::count_if(meant.begin(), meant.end(), [place](const BirthPlace* other) {
                                  return other->province == place->province;
                                }) > 1;
    std::string region = regions.provinceShort;
    if (sharesProvince) region += regions.prefectureShort.empty() ? place->name : regions.prefectureShort;
    if (std::find(choice.namesakes.begin(), choice.namesakes.end(), region) == choice.namesakes.end()) {
      choice.namesakes.push_back(region);
    }
  }
  return choice;
}

}  // namespace velmora
