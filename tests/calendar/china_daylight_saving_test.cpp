#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>

#include "calendar/china_daylight_saving.h"
#include "calendar/day_number.h"
#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(ChinaDaylightSaving, ClockHoursAroundTheChanges) {
  struct Case {
    CivilDate date;
    int hour;
    ClockHour clock;
    DateTime standard;
  };
  const Case cases[] = {
      {{1986, 5, 4}, 1, ClockHour::Standard, {{1986, 5, 4}, 1}},        // the last standard hour of spring 1986
      {{1986, 5, 4}, 2, ClockHour::Skipped, {{1986, 5, 4}, 2}},         // never on a clock: kept as written
      {{1986, 5, 4}, 3, ClockHour::DaylightSaving, {{1986, 5, 4}, 2}},  // the first daylight hour
      {{1988, 6, 15}, 12, ClockHour::DaylightSaving, {{1988, 6, 15}, 11}},
      {{1988, 6, 15}, 0, ClockHour::DaylightSaving, {{1988, 6, 14}, 23}},  // midnight goes back a day
      {{1986, 9, 14}, 0, ClockHour::DaylightSaving, {{1986, 9, 13}, 23}},  // the autumn day's last daylight hour
      {{1986, 9, 14}, 1, ClockHour::Repeated, {{1986, 9, 14}, 1}},         // shown twice: kept as written
      {{1986, 9, 14}, 2, ClockHour::Standard, {{1986, 9, 14}, 2}},
      {{1991, 9, 15}, 0, ClockHour::DaylightSaving, {{1991, 9, 14}, 23}},  // the very last daylight hour
      {{1985, 7, 1}, 12, ClockHour::Standard, {{1985, 7, 1}, 12}},         // no daylight saving before 1986
      {{1992, 7, 1}, 12, ClockHour::Standard, {{1992, 7, 1}, 12}},         // nor after 1991
      {{1987, 12, 1}, 12, ClockHour::Standard, {{1987, 12, 1}, 12}},       // nor in the winters between
  };
  for (const Case& c : cases) {
    const StandardTime standard = ChinaStandardTimeOf(c.date, c.hour);
    EXPECT_EQ(standard.clock, c.clock) << FormatDate(c.date) << " " << c.hour;
    EXPECT_EQ(standard.time, c.standard) << FormatDate(c.date) << " " << c.hour;
  }
}

// Minutes and seconds ride along with the hour, across midnight too.
TEST(ChinaDaylightSaving, ClockReadingsKeepTheirMinutes) {
  EXPECT_EQ(ChinaStandardTimeOf(DateTime{{1988, 6, 15}, 12, 34, 56}).time, (DateTime{{1988, 6, 15}, 11, 34, 56}));
  EXPECT_EQ(ChinaStandardTimeOf(DateTime{{1988, 6, 15}, 0, 20}).time, (DateTime{{1988, 6, 14}, 23, 20}));
  EXPECT_EQ(ChinaStandardTimeOf(DateTime{{1986, 5, 4}, 2, 59}).clock, ClockHour::Skipped);
  EXPECT_EQ(ChinaStandardTimeOf(DateTime{{1985, 6, 15}, 12, 34}).time, (DateTime{{1985, 6, 15}, 12, 34}));
}

// The week that sources give to 1988's summer time and the tz database does not.
TEST(ChinaDaylightSaving, Disputes1988sFirstWeekOnly) {
  struct Case {
    DateTime clock;
    bool disputed;
  };
  const Case cases[] = {
      {{{1988, 4, 9}, 23}, false},
      {{{1988, 4, 10}, 1, 59}, false},  // before the change by either reading
      {{{1988, 4, 10}, 2}, true},
      {{{1988, 4, 16}, 23, 59}, true},
      {{{1988, 4, 17}, 1, 59}, true},
      {{{1988, 4, 17}, 2}, false},  // daylight saving by every reading
      {{{1987, 4, 12}, 12}, false},
      {{{1989, 4, 12}, 12}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaylightSavingStartDisputed(c.clock), c.disputed) << FormatDate(c.clock.date) << " " << c.clock.hour;
  }
  // The tz database's reading: standard time that week.
  EXPECT_EQ(ChinaStandardTimeOf({1988, 4, 12}, 12).clock, ClockHour::Standard);
}

// Every clock hour of 1985-1992 against the tz database of this machine: the
// clock reading of each UTC hour in Asia/Shanghai must map back to that hour's
// standard time, except the first showing of a repeated hour (kept as
// standard by choice); the hours the clocks never showed are the skipped ones.
TEST(ChinaDaylightSaving, AgreesWithTheTzDatabaseHourByHour) {
  if (!std::filesystem::exists("/usr/share/zoneinfo/Asia/Shanghai")) GTEST_SKIP() << "no tz database";
  const char* const saved = std::getenv("TZ");
  const std::string savedZone = saved ? saved : "";
  setenv("TZ", "Asia/Shanghai", 1);
  tzset();
  const std::time_t unixDayOne = 719163;  // day number of 1970-01-01
  const std::time_t first = (DayNumberOf(1985, 1, 1) - unixDayOne) * 86400 - 8 * 3600;
  const std::time_t last = (DayNumberOf(1993, 1, 1) - unixDayOne) * 86400 - 8 * 3600;
  std::set<std::pair<DayNumber, int>> shown;
  int daylightHours = 0;
  for (std::time_t t = first; t < last; t += 3600) {
    std::tm clock{};
    localtime_r(&t, &clock);
    const CivilDate date{clock.tm_year + 1900, clock.tm_mon + 1, clock.tm_mday};
    const bool secondShowing = !shown.insert({DayNumberOf(date), clock.tm_hour}).second;
    const std::time_t standardSeconds = t + 8 * 3600;
    const DateTime standard{*DateOfDayNumber(static_cast<DayNumber>(standardSeconds / 86400 + unixDayOne)),
                            static_cast<int>(standardSeconds % 86400 / 3600)};
    const StandardTime ours = ChinaStandardTimeOf(date, clock.tm_hour);
    const std::string at = FormatDate(date) + " " + std::to_string(clock.tm_hour);
    if (clock.tm_isdst > 0) ++daylightHours;
    if (ours.clock == ClockHour::Repeated) {
      EXPECT_EQ(ours.time, (DateTime{date, clock.tm_hour})) << at;
      EXPECT_TRUE(clock.tm_isdst > 0 || secondShowing) << at;
    } else {
      EXPECT_EQ(ours.time, standard) << at;
      EXPECT_EQ(ours.clock == ClockHour::DaylightSaving, clock.tm_isdst > 0) << at;
    }
  }
  for (DayNumber day = DayNumberOf(1985, 1, 1); day < DayNumberOf(1993, 1, 1); ++day) {
    for (int hour = 0; hour < 24; ++hour) {
      const bool skipped = ChinaStandardTimeOf(*DateOfDayNumber(day), hour).clock == ClockHour::Skipped;
      EXPECT_EQ(skipped, !shown.contains({day, hour})) << FormatDate(*DateOfDayNumber(day)) << " " << hour;
    }
  }
  EXPECT_GT(daylightHours, 6 * 3000);  // six summers of about 3,500 hours each
  if (saved) {
    setenv("TZ", savedZone.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}

// A daylight-saving birth gets the chart of the standard hour: 1988-07-01 13:00
// on the clock is 12:00 standard, still the 午 hour (13:00 would be 未).
TEST(ChinaDaylightSaving, FourPillarsTakeTheStandardHour) {
  const FourPillars chart = FourPillarsOf({1988, 7, 1}, 13);
  EXPECT_EQ(GbkToUtf8(EarthlyBranch(chart.hour.branch)), "午");
  EXPECT_EQ(chart.day.CycleIndex(), FourPillarsAt({{1988, 7, 1}, 12}).day.CycleIndex());
  // Midnight on the clock is 23:00 of the day before: the late 子 hour, whose
  // day pillar is already that of the clock's date.
  const FourPillars midnight = FourPillarsOf({1988, 7, 2}, 0);
  EXPECT_EQ(midnight.day.CycleIndex(), DayPillarOf({1988, 7, 2}).CycleIndex());
  EXPECT_EQ(GbkToUtf8(EarthlyBranch(midnight.hour.branch)), "子");
}

}  // namespace
}  // namespace velmora
