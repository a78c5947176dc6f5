#include "readings/birth_details.h"

#include <charconv>
#include <stdexcept>

#include "readings/birth_input.h"
#include "refdb/settings_file.h"
#include "text/gbk.h"
#include "text/text_lines.h"

namespace velmora {
namespace {

constexpr char kSection[] = "birth";

std::string Trimmed(const std::string& text) { return std::string(TrimmedBlanks(text)); }

// The shortest fixed-point text that reads back as the same number.
std::string LongitudeText(double longitude) {
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, longitude, std::chars_format::fixed);
  return std::string(text, error == std::errc() ? end : text);
}

// The place a name and province choose; throws std::invalid_argument (UTF-8
// message) when they choose none or several.
const BirthPlace& ChosenPlace(const std::string& name, const std::string& province, const BirthPlaces& places) {
  if (name.size() > kLongestPlaceName) {
    throw std::invalid_argument("出生地应为地名，不超过 " + std::to_string(kLongestPlaceName) + " 字节（现为 " +
                                std::to_string(name.size()) + " 字节）。");
  }
  const BirthPlaces::Choice choice = places.Choose(name, province);
  if (choice.place) return *choice.place;
  if (choice.namesakes.empty()) {
    throw std::invalid_argument("地名表中没有“" + GbkToUtf8(name) + "”" +
                                (province.empty() ? "" : "（" + GbkToUtf8(province) + "）") +
                                "，请检查地名，或改填经度。");
  }
  std::string regions;
  for (const std::string& region : choice.namesakes) regions += (regions.empty() ? "" : "、") + GbkToUtf8(region);
  throw std::invalid_argument("“" + GbkToUtf8(name) + "”有多处（" + regions + "），请填写省份以指明。");
}

}  // namespace

BirthDetails CheckBirthDetails(const TypedBirthDetails& typed, const std::string& programFolder) {
  const std::string minute = Trimmed(typed.minute), place = Trimmed(typed.place),
                    province = Trimmed(typed.province), longitude = Trimmed(typed.longitude);
  BirthDetails details;
  if (!minute.empty()) {
    details.minute = ParseMinute(minute);
    if (!details.minute) throw std::invalid_argument("出生分钟应为 0 到 59 之间的整数；不详请空着。");
  }
  if (!place.empty() && !longitude.empty()) throw std::invalid_argument("出生地与经度只能填一个。");
  if (place.empty() && !province.empty()) throw std::invalid_argument("填了省份而没有出生地：请填写出生地，或把省份空着。");
  if (!longitude.empty()) {
    details.longitude = ParseLongitude(longitude);
    if (!details.longitude) {
      throw std::invalid_argument("经度应为 -180 到 180 之间的数（东经为正，西经为负），如 116.4。");
    }
  }
  if (!place.empty()) {
    ChosenPlace(place, province, BirthPlaces::Installed(programFolder));
    details.place = place;
    details.province = province;
  }
  return details;
}

TypedBirthDetails TypedBirthDetailsOf(const BirthDetails& details) {
  return {details.minute ? std::to_string(*details.minute) : "", details.place, details.province,
          details.longitude ? LongitudeText(*details.longitude) : ""};
}

BirthDetails ReadBirthDetails(const std::string& programFolder) {
  const SettingsFile settings(SettingsFilePath(programFolder));
  auto value = [&settings](const char* key) { return settings.Read(kSection, key).value_or(std::string()); };
  const TypedBirthDetails remembered = {value("minute"), value("place"), value("province"), value("longitude")};
  // Each part on its own, so that one damaged value costs no other.
  BirthDetails details;
  details.minute = ParseMinute(Trimmed(remembered.minute));
  details.longitude = ParseLongitude(Trimmed(remembered.longitude));
  if (!Trimmed(remembered.place).empty()) {
    try {
      const BirthDetails place = CheckBirthDetails({"", remembered.place, remembered.province, ""}, programFolder);
      details.place = place.place;
      details.province = place.province;
    } catch (const std::invalid_argument&) {
      // a place the table does not hold is no place
    }
  }
  if (!details.place.empty() && details.longitude) {
    details.place.clear();
    details.province.clear();
    details.longitude.reset();
  }
  return details;
}

void WriteBirthDetails(const std::string& programFolder, const BirthDetails& details) {
  const TypedBirthDetails typed = TypedBirthDetailsOf(details);
  SettingsFile(SettingsFilePath(programFolder))
      .Write(kSection, {{"minute", typed.minute}, {"place", typed.place}, {"province", typed.province},
                        {"longitude", typed.longitude}});
}

std::vector<PlaceOffer> PlaceOffers(const BirthPlaces& places) {
  std::vector<PlaceOffer> offers;
  for (const BirthPlace& place : places.All()) {
    const std::string label =
        place.name + "（"_gbk + place.province + (place.prefecture.empty() ? "" : " " + place.prefecture) + "）"_gbk;
    // The least that tells it apart: nothing, its province, its prefecture.
    for (const std::string& region : {std::string(), place.province, place.prefecture}) {
      if (places.Choose(place.name, region).place == &place) {
        offers.push_back({place.name, region, label});
        break;
      }
    }
  }
  return offers;
}

}  // namespace velmora
