#include "calendar/true_solar_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "calendar/civil_moment.h"
#include "tests/expect_error.h"

namespace velmora {
namespace {

std::string Text(const DateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", FormatDate(time.date).c_str(), time.hour, time.minute,
                time.second);
  return text;
}

TEST(TrueSolarTime, CorrectsClockReadingsStepByStep) {
  struct Case {
    DateTime clock;
    double longitude;
    const char* zone;
    const char* standard;
    int zoneOffsetMinutes;
    double longitudeMinutes;
    const char* trueSolar;  // to the minute
    const char* chinaStandard;
  };
  const Case cases[] = {
      // 喀什: −2 h 56 min for the longitude, +16 min equation of time.
      {{{2000, 11, 3}, 12, 30}, 75.99, kChinaZone, "2000-11-03 12:30:00", 480, -176.04, "2000-11-03 09:50",
       "2000-11-03 12:30:00"},
      // 乌鲁木齐 just after midnight: the true solar time is still the day before.
      {{{2000, 11, 3}, 0, 20}, 87.62, kChinaZone, "2000-11-03 00:20:00", 480, -129.52, "2000-11-02 22:26",
       "2000-11-03 00:20:00"},
      // 抚远, far east, late in the evening: already the next day.
      {{{2000, 11, 3}, 23, 30}, 134.3, kChinaZone, "2000-11-03 23:30:00", 480, 57.2, "2000-11-04 00:43",
       "2000-11-03 23:30:00"},
      // China's daylight saving: 13:30 on the clock was 12:30 standard; past midnight it goes back a day.
      {{{1988, 7, 1}, 13, 30}, 120, kChinaZone, "1988-07-01 12:30:00", 480, 0, "1988-07-01 12:26", "1988-07-01 12:30:00"},
      {{{1988, 7, 2}, 0, 40}, 120, kChinaZone, "1988-07-01 23:40:00", 480, 0, "1988-07-01 23:36", "1988-07-01 23:40:00"},
      // New York in summer: daylight saving removed, the meridian 75°W; 16:00 UTC is midnight in China.
      {{{2024, 7, 4}, 12, 0}, -74.0064, "America/New_York", "2024-07-04 11:00:00", -300, 3.97, "2024-07-04 10:59",
       "2024-07-05 00:00:00"},
      // India's half-hour zone: the meridian 82.5°E.
      {{{2024, 1, 15}, 6, 0}, 88.3667, "Asia/Kolkata", "2024-01-15 06:00:00", 330, 23.47, "2024-01-15 06:14",
       "2024-01-15 08:30:00"},
      // Hong Kong's own summer time of 1979 (tz), unlike the mainland's rule.
      {{{1979, 7, 1}, 12, 0}, 114.1747, "Asia/Hong_Kong", "1979-07-01 11:00:00", 480, -23.30, "1979-07-01 10:33",
       "1979-07-01 11:00:00"},
      // Britain's double summer time of 1944: two hours removed.
      {{{1944, 6, 6}, 12, 0}, -0.1275, "Europe/London", "1944-06-06 10:00:00", 0, -0.51, "1944-06-06 10:01",
       "1944-06-06 18:00:00"},
  };
  for (const Case& c : cases) {
    const TimeCorrection correction = TrueSolarTimeOf(c.clock, c.longitude, c.zone);
    const std::string at = Text(c.clock) + " " + c.zone;
    EXPECT_EQ(correction.clock, c.clock) << at;
    EXPECT_EQ(Text(correction.standard), c.standard) << at;
    EXPECT_EQ(correction.zoneOffsetMinutes, c.zoneOffsetMinutes) << at;
    EXPECT_NEAR(correction.longitudeMinutes, c.longitudeMinutes, 0.01) << at;
    EXPECT_EQ(Text(correction.trueSolar).substr(0, 16), c.trueSolar) << at;
    EXPECT_EQ(Text(*DateTimeOf(correction.chinaStandard)), c.chinaStandard) << at;
    // The steps add up: mean = standard + longitude, true = mean + equation (each to the second).
    const double mean = static_cast<double>(MomentOf(correction.standard)) + correction.longitudeMinutes * 60;
    EXPECT_NEAR(static_cast<double>(MomentOf(correction.mean)), mean, 1) << at;
    EXPECT_NEAR(static_cast<double>(MomentOf(correction.trueSolar)), mean + correction.equationMinutes * 60, 1) << at;
  }
}

TEST(TrueSolarTime, SaysWhatTheClockReadingWas) {
  struct Case {
    DateTime clock;
    const char* zone;
    ClockHour clockHour;
    int daylightSavingMinutes;
    const char* standard;
  };
  const Case cases[] = {
      {{{1988, 7, 1}, 13, 30}, kChinaZone, ClockHour::DaylightSaving, 60, "1988-07-01 12:30:00"},
      {{{1986, 5, 4}, 2, 30}, kChinaZone, ClockHour::Skipped, 0, "1986-05-04 02:30:00"},     // never on a clock
      {{{1986, 9, 14}, 1, 30}, kChinaZone, ClockHour::Repeated, 0, "1986-09-14 01:30:00"},   // shown twice
      {{{1988, 4, 12}, 12, 0}, kChinaZone, ClockHour::Standard, 0, "1988-04-12 12:00:00"},   // the disputed week
      {{{2024, 3, 10}, 2, 30}, "America/New_York", ClockHour::Skipped, 0, "2024-03-10 02:30:00"},
      {{{2024, 11, 3}, 1, 30}, "America/New_York", ClockHour::Repeated, 0, "2024-11-03 01:30:00"},
      {{{2024, 1, 15}, 12, 0}, "America/New_York", ClockHour::Standard, 0, "2024-01-15 12:00:00"},
  };
  for (const Case& c : cases) {
    const TimeCorrection correction = TrueSolarTimeOf(c.clock, 100, c.zone);
    EXPECT_EQ(correction.clockHour, c.clockHour) << Text(c.clock);
    EXPECT_EQ(correction.daylightSavingMinutes, c.daylightSavingMinutes) << Text(c.clock);
    EXPECT_EQ(Text(correction.standard), c.standard) << Text(c.clock);
  }
}

// Against astronomy-engine over every day of 2000 and two days a month of
// 1901, 1950, 2050 and 2100 (tests/calendar/make_equation_of_time.js).
TEST(TrueSolarTime, EquationOfTimeAgreesWithAnIndependentEphemerisWithinTenSeconds) {
  std::ifstream in(std::string(VELMORA_TEST_DATA) + "/calendar/equation_of_time.tsv");
  ASSERT_TRUE(in) << "missing tests/calendar/equation_of_time.tsv";
  int rows = 0;
  double worst = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string date, time;
    double reference = 0;
    fields >> date >> time >> reference;
    const DateTime universal{*ParseDate(date), std::stoi(time.substr(0, 2)), std::stoi(time.substr(3, 2))};
    // At the Greenwich meridian in UTC, true solar time minus mean time is the equation itself.
    const double ours = TrueSolarTimeOf(universal, 0, "Etc/UTC").equationMinutes;
    worst = std::max(worst, std::abs(ours - reference) * 60);
    EXPECT_NEAR(ours, reference, 10.0 / 60) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 366 + 4 * 24);
  RecordProperty("worst_seconds", std::to_string(worst));
}

TEST(TrueSolarTime, RefusesValuesOutOfRangeNamingThem) {
  struct Case {
    DateTime clock;
    double longitude;
    const char* zone;
    const char* message;
  };
  const Case cases[] = {
      {{{2000, 1, 1}, 12, 60}, 100, kChinaZone, "birth minute 60 is outside 0..59"},
      {{{2000, 1, 1}, 12, -1}, 100, kChinaZone, "birth minute -1 is outside 0..59"},
      {{{2000, 1, 1}, 24, 0}, 100, kChinaZone, "birth hour 24 is outside 0..23"},
      {{{2000, 1, 1}, 12, 0, 60}, 100, kChinaZone, "birth second 60 is outside 0..59"},
      {{{2101, 1, 1}, 12, 0}, 100, kChinaZone, "birth year 2101 is outside 1..2100"},
      {{{2023, 2, 29}, 12, 0}, 100, kChinaZone, "birth date 2023-02-29 does not exist"},
      {{{2000, 1, 1}, 12, 0}, 180.5, kChinaZone, "longitude 180.500000 is outside -180..180"},
      {{{2000, 1, 1}, 12, 0}, NAN, kChinaZone, "longitude nan is outside -180..180"},
      {{{2000, 1, 1}, 12, 0}, 100, "Mars/Olympus_Mons", "time zone \"Mars/Olympus_Mons\" is unknown"},
      {{{2000, 1, 1}, 12, 0}, 100, "", "time zone \"\" is unknown"},
      // The first day of the calendar, west of its meridian: before the calendar began.
      {{{1, 1, 1}, 0, 10}, 90, kChinaZone, "birth time 0001-01-01 lies before the calendar's first day"},
  };
  for (const Case& c : cases) {
    testing::ExpectErrorMessage([&] { TrueSolarTimeOf(c.clock, c.longitude, c.zone); }, c.message);
  }
  EXPECT_THROW(TrueSolarTimeOf({{2000, 1, 1}, 12}, 100, std::string(10000, 'x')), std::invalid_argument);
}

}  // namespace
}  // namespace velmora
