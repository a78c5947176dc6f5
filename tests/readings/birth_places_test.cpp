#include "readings/birth_places.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "calendar/true_solar_time.h"
#include "readings/birth_details.h"
#include "tests/expect_error.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

const BirthPlaces& Installed() { return BirthPlaces::Installed(testing::BuiltProgramFolder()); }

TEST(BirthPlaces, HoldMainlandChinaToCountyLevelAndTheWorldsZoneCities) {
  int mainland = 0, regional = 0, abroad = 0, approximate = 0;
  std::set<std::string> zones;
  for (const BirthPlace& place : Installed().All()) {
    const std::string province = GbkToUtf8(place.province);
    if (place.zone == kChinaZone) {
      ++mainland;
      approximate += place.approximate;
    } else if (province == "香港" || province == "澳门" || province == "台湾") {
      ++regional;
    } else {
      ++abroad;
      zones.insert(place.zone);
    }
    // Every place's zone is one the correction knows.
    EXPECT_NO_THROW(TrueSolarTimeOf({{2000, 1, 1}, 12}, place.longitude, place.zone)) << place.zone;
  }
  EXPECT_GE(mainland, 2800 + 333 + 4);  // county-level divisions, prefectures, municipalities
  EXPECT_LT(approximate, mainland / 3);
  EXPECT_GE(regional, 40);
  EXPECT_GE(abroad, 300);
  EXPECT_EQ(zones.size(), static_cast<std::size_t>(abroad));  // one city a zone
}

TEST(BirthPlaces, FindPlacesByNameAndTellNamesakesApartByProvince) {
  struct Case {
    const char* name;
    const char* province;
    std::vector<const char*> found;  // province prefecture name, in the table's order
    double longitude;                // of the first, ±0.05°
    const char* zone;
    const char* chosen;  // the name Choose takes it for, or "?" with the namesakes' regions it names
  };
  const Case cases[] = {
      // Without its level: the prefecture and its seat, both at the seat.
      {"喀什", "", {"新疆维吾尔自治区  喀什地区", "新疆维吾尔自治区 喀什地区 喀什市"}, 75.99, kChinaZone, "喀什地区"},
      {"喀什市", "新疆", {"新疆维吾尔自治区 喀什地区 喀什市"}, 75.99, kChinaZone, "喀什市"},     // the province's short name
      {"乌鲁木齐市", "", {"新疆维吾尔自治区  乌鲁木齐市"}, 87.60, kChinaZone, "乌鲁木齐市"},  // a prefecture-level city
      {"乌鲁木齐", "", {"新疆维吾尔自治区  乌鲁木齐市", "新疆维吾尔自治区 乌鲁木齐市 乌鲁木齐县"}, 87.60, kChinaZone, "乌鲁木齐市"},
      {"朝阳区", "", {"北京市  朝阳区", "吉林省 长春市 朝阳区"}, 116.44, kChinaZone, "?北京、吉林"},  // namesakes
      {"朝阳区", "吉林省", {"吉林省 长春市 朝阳区"}, 125.29, kChinaZone, "朝阳区"},
      {"朝阳区", "长春", {"吉林省 长春市 朝阳区"}, 125.29, kChinaZone, "朝阳区"},                 // by the prefecture
      {"朝阳", "辽宁", {"辽宁省  朝阳市", "辽宁省 朝阳市 朝阳县"}, 120.45, kChinaZone, "朝阳市"},
      {"北京", "", {"北京市  北京市"}, 116.40, kChinaZone, "北京市"},                             // a municipality
      {"纽约", "", {"美国  纽约"}, -74.01, "America/New_York", "纽约"},
      {"香港", "", {"香港  香港"}, 114.17, "Asia/Hong_Kong", "香港"},
      {"台北", "台湾", {"台湾  台北"}, 121.53, "Asia/Taipei", "台北"},
      {"喀什", "广东", {}, 0, "", ""},        // the province rules it out
      {"亚特兰蒂斯", "", {}, 0, "", ""},      // no such place
      {"", "", {}, 0, "", ""},
  };
  for (const Case& c : cases) {
    const std::vector<const BirthPlace*> found = Installed().Find(Utf8ToGbk(c.name), Utf8ToGbk(c.province));
    std::vector<std::string> names;
    for (const BirthPlace* place : found) names.push_back(GbkToUtf8(place->province + " " + place->prefecture + " " + place->name));
    EXPECT_EQ(names, std::vector<std::string>(c.found.begin(), c.found.end())) << c.name << " " << c.province;
    const BirthPlaces::Choice choice = Installed().Choose(Utf8ToGbk(c.name), Utf8ToGbk(c.province));
    std::string chosen = choice.place ? GbkToUtf8(choice.place->name) : choice.namesakes.empty() ? "" : "?";
    for (const std::string& region : choice.namesakes) chosen += (chosen == "?" ? "" : "、") + GbkToUtf8(region);
    EXPECT_EQ(chosen, c.chosen) << c.name << " " << c.province;
    if (found.empty()) continue;
    EXPECT_NEAR(found[0]->longitude, c.longitude, 0.05) << c.name;
    EXPECT_EQ(found[0]->zone, c.zone) << c.name;
  }
}

TEST(BirthPlaces, FindNothingForInputThatIsNoPlaceName) {
  EXPECT_TRUE(Installed().Find(std::string(10000, 'a')).empty());
  EXPECT_TRUE(Installed().Find(std::string(10000, '\xb1')).empty());
  EXPECT_TRUE(Installed().Find("\xff\xfe\x80").empty());          // no GBK
  EXPECT_TRUE(Installed().Find(Utf8ToGbk("喀什"), "\xff").empty());
}

TEST(BirthPlaces, RefuseAMissingOrDamagedTable) {
  const testing::TestFolder folder;
  const std::string path = folder.Path() + "places.tsv";
  const std::string header = "h\n";
  struct Case {
    std::string content;
    std::string message;
  };
  const Case cases[] = {
      {header + "a\tb\n", path + ":2: 2 fields, not 10"},
      {header + "a\ta\t\t\tp\tp\t999\t1\tAsia/Shanghai\t0\n", path + ":2: \"999\" is no coordinate within ±180"},
      {header + "a\ta\t\t\tp\tp\t1\t1x\tAsia/Shanghai\t0\n", path + ":2: \"1x\" is no coordinate within ±90"},
      {header + "a\ta\t\t\tp\tp\t1\t1\t\t0\n", path + ":2: a place needs a name, a province, a zone and 0 or 1 for approximate"},
      {header, path + ": no places"},
      {"", path + ": empty"},
  };
  for (const Case& c : cases) {
    testing::WriteFile(path, c.content);
    testing::ExpectErrorMessage([&] { BirthPlaces table(path); }, c.message);
  }
  testing::ExpectErrorMessage([&] { BirthPlaces::Installed(folder.Path() + "nowhere"); },
                              "cannot read the place table " + folder.Path() + "nowhere/data/places.tsv");
}

// The dialog's boxes are checked with the place table, each fault with a
// message that says what to do, and a place is kept as it was typed.
TEST(BirthPlaces, TheDialogsBoxesAreCheckedAgainstTheTable) {
  struct Case {
    TypedBirthDetails typed;  // UTF-8 here
    BirthDetails details;     // UTF-8 here, when accepted
    const char* message;      // when refused
  };
  const Case cases[] = {
      {{"", "", "", ""}, {}, nullptr},                                      // nothing given
      {{" 30 ", "喀什", "", ""}, {30, "喀什", "", std::nullopt}, nullptr},  // blanks are no part of it
      {{"0", "朝阳", "辽宁", ""}, {0, "朝阳", "辽宁", std::nullopt}, nullptr},
      {{"", "", "", "-73.94"}, {std::nullopt, "", "", -73.94}, nullptr},
      {{"60", "", "", ""}, {}, "出生分钟应为 0 到 59 之间的整数；不详请空着。"},
      {{"3a", "", "", ""}, {}, "出生分钟应为 0 到 59 之间的整数；不详请空着。"},
      {{"", "朝阳", "", ""}, {}, "“朝阳”有多处（北京、辽宁、吉林），请填写省份以指明。"},
      {{"", "火星", "", ""}, {}, "地名表中没有“火星”，请检查地名，或改填经度。"},
      {{"", "朝阳", "上海", ""}, {}, "地名表中没有“朝阳”（上海），请检查地名，或改填经度。"},
      {{"", "", "辽宁", ""}, {}, "填了省份而没有出生地：请填写出生地，或把省份空着。"},
      {{"", "喀什", "", "76"}, {}, "出生地与经度只能填一个。"},
      {{"", "", "", "180.5"}, {}, "经度应为 -180 到 180 之间的数（东经为正，西经为负），如 116.4。"},
      {{"", "", "", "nan"}, {}, "经度应为 -180 到 180 之间的数（东经为正，西经为负），如 116.4。"},
      {{"", std::string(10000, 'a'), "", ""}, {}, "出生地应为地名，不超过 64 字节（现为 10000 字节）。"},
  };
  for (const Case& c : cases) {
    const TypedBirthDetails typed = {c.typed.minute, Utf8ToGbk(c.typed.place), Utf8ToGbk(c.typed.province),
                                     c.typed.longitude};
    if (c.message) {
      testing::ExpectErrorMessage([&] { CheckBirthDetails(typed, testing::BuiltProgramFolder()); }, c.message);
      continue;
    }
    BirthDetails expected = c.details;
    expected.place = Utf8ToGbk(expected.place);
    expected.province = Utf8ToGbk(expected.province);
    EXPECT_EQ(CheckBirthDetails(typed, testing::BuiltProgramFolder()), expected) << c.typed.place;
  }
  // A name that is no GBK is no place either.
  EXPECT_THROW(CheckBirthDetails({"", "\xff\xfe", "", ""}, testing::BuiltProgramFolder()), std::invalid_argument);
}

TEST(BirthPlaces, EveryPlaceIsOfferedWithTheLeastThatTellsItFromItsNamesakes) {
  const std::vector<PlaceOffer> offers = PlaceOffers(Installed());
  struct Case {
    const char* label;
    const char* region;
  };
  const Case cases[] = {
      {"喀什市（新疆维吾尔自治区 喀什地区）", ""},  // no namesake
      {"朝阳区（吉林省 长春市）", "吉林省"},         // one of its name in the province
      {"鼓楼区（江苏省 南京市）", "南京市"},         // 南京 and 徐州 both have one
      {"纽约（美国）", ""},
  };
  for (const Case& c : cases) {
    const auto offer = std::find_if(offers.begin(), offers.end(),
                                    [&c](const PlaceOffer& o) { return GbkToUtf8(o.label) == c.label; });
    ASSERT_NE(offer, offers.end()) << c.label;
    EXPECT_EQ(GbkToUtf8(offer->region), c.region) << c.label;
  }
  // Every place can be chosen by its name and region.
  EXPECT_EQ(offers.size(), Installed().All().size());
}

}  // namespace
}  // namespace velmora
