#pragma once
// The birth minute and birthplace the user sets beyond the birth profile (the
// dialog "出生时间与出生地…") for the online chart readings: checked against
// the place table, remembered in the settings file (section "birth", keys
// "minute", "place", "province" and "longitude"; an empty value is "not
// given"), and the places offered while a name is typed. Texts are GBK.

#include <optional>
#include <string>
#include <vector>

#include "readings/birth_places.h"

namespace velmora {

struct BirthDetails {
  std::optional<int> minute;        // 0..59; nothing: not given, the hour is charted from its start
  std::string place;                // GBK, a name of the place table as typed; empty: no place
  std::string province;             // GBK, tells the place from its namesakes; only with a place
  std::optional<double> longitude;  // degrees east, -180..180, given instead of a place

  bool operator==(const BirthDetails&) const = default;
};

// The dialog's boxes (GBK). An empty box is "not given"; blanks around a text
// are no part of it.
struct TypedBirthDetails {
  std::string minute;
  std::string place;
  std::string province;
  std::string longitude;

  bool operator==(const TypedBirthDetails&) const = default;
};

// The details the boxes give, a place checked against the table of the
// program folder (read only when a place is given). Throws
// std::invalid_argument whose what() is the message for the user (UTF-8) for
// a minute that is no 0..59, a place the table does not hold, namesakes left
// apart by no province, a province without a place, a place and a longitude
// together, or a longitude outside -180..180; std::runtime_error when the
// place table cannot be read.
BirthDetails CheckBirthDetails(const TypedBirthDetails& typed, const std::string& programFolder);

// The boxes that show the details, the longitude as ParseLongitude reads it.
TypedBirthDetails TypedBirthDetailsOf(const BirthDetails& details);

// The details remembered in the settings file of the program folder. A
// damaged value (edited by hand, or a place the table no longer holds) reads
// as not given, and so do a place and a longitude remembered together.
// Throws std::runtime_error when the settings file, or with a place
// remembered the place table, cannot be read.
BirthDetails ReadBirthDetails(const std::string& programFolder);

// Remembers the details in one replace of the settings file, everything else
// in it kept; throws std::runtime_error with the file error.
void WriteBirthDetails(const std::string& programFolder, const BirthDetails& details);

// A place as the dialog offers it while a name is typed: the name, the region
// that tells it from its namesakes (empty when it has none; its province, or
// its prefecture where the province holds two), and a label naming both.
struct PlaceOffer {
  std::string name;
  std::string region;
  std::string label;  // 朝阳区（吉林省 长春市）
};
// Every place its name and region choose, in the table's order.
std::vector<PlaceOffer> PlaceOffers(const BirthPlaces& places);

}  // namespace velmora
