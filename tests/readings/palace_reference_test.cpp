#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calendar/sexagenary.h"
#include "readings/bazi_chart.h"
#include "text/gbk.h"

namespace velmora {
namespace {

std::string Text(const Pillar& pillar) { return GbkToUtf8(HeavenlyStem(pillar.stem) + EarthlyBranch(pillar.branch)); }

// 胎元, 命宫 and 身宫 of 300 random births to the minute against the
// independent calendar library of tests/readings/make_palace_reference.js; the
// four pillars must agree too, or the palaces would be compared on other charts.
TEST(PalaceReference, ThreeHundredBirthsAgreeWithAnIndependentLibrary) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/readings/palaces_300_births.tsv");
  ASSERT_TRUE(in) << "the reference file is missing";
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line.rfind("date\t", 0) == 0) continue;
    std::istringstream fields(line);
    std::string date, time, pillars, conception, life, body;
    std::getline(fields, date, '\t');
    std::getline(fields, time, '\t');
    std::getline(fields, pillars, '\t');
    std::getline(fields, conception, '\t');
    std::getline(fields, life, '\t');
    std::getline(fields, body, '\t');
    BirthInput birth;
    birth.clock = {*ParseDate(date), std::stoi(time.substr(0, 2)), std::stoi(time.substr(3, 2))};
    birth.hasMinute = true;
    const BaziChart chart = ChartOf(birth, 2026);
    const FourPillars& p = chart.pillars;
    EXPECT_EQ(Text(p.year) + " " + Text(p.month) + " " + Text(p.day) + " " + Text(p.hour), pillars) << line;
    EXPECT_EQ(Text(chart.palaces.conception), conception) << line;
    EXPECT_EQ(Text(chart.palaces.life), life) << line;
    EXPECT_EQ(Text(chart.palaces.body), body) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 300);
}

}  // namespace
}  // namespace velmora
