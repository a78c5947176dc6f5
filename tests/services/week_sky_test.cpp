#include "services/week_sky.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <span>

#include "calendar/lunar_conversion.h"

namespace velmora::services {
namespace {

struct SkyEvent {
  std::time_t at;
  int value;
};
// The independent ephemeris: PyEphem's sky of every week touching 2026.
#include "tests/services/sky_reference_2026.inc"

constexpr std::time_t kTolerance = 10 * 60;
constexpr std::time_t kFirstMonday = 1766937600;  // 2025-12-29 00:00 UTC+8, the week of 2026-01-01
constexpr int kWeeks = 53;                        // through the week of 2026-12-31

const std::vector<WeekSky>& YearOfWeeks() {
  static const std::vector<WeekSky> weeks = [] {
    std::vector<WeekSky> all;
    for (int week = 0; week < kWeeks; ++week) all.push_back(SkyOfWeek(kFirstMonday + week * kSecondsPerWeek));
    return all;
  }();
  return weeks;
}

std::vector<SkyEvent> InWeek(std::span<const SkyEvent> events, std::time_t start) {
  std::vector<SkyEvent> found;
  for (const SkyEvent& event : events) {
    if (event.at >= start && event.at < start + kSecondsPerWeek) found.push_back(event);
  }
  return found;
}

// The reference sign at a moment: the last entry before it, or the sign
// before the next entry (bodies move forward through the signs).
int ReferenceSignAt(std::span<const SkyEvent> entries, std::time_t moment) {
  const auto next = std::find_if(entries.begin(), entries.end(), [&](const SkyEvent& e) { return e.at > moment; });
  if (next != entries.begin()) return std::prev(next)->value;
  return (next->value + kSignCount - 1) % kSignCount;
}

// Compares found moments with the reference, week by week; returns the
// largest difference in seconds.
template <typename Found>
std::time_t CompareWeeks(std::span<const SkyEvent> reference, Found found) {
  std::time_t largest = 0;
  for (const WeekSky& sky : YearOfWeeks()) {
    const std::vector<SkyEvent> expected = InWeek(reference, sky.start);
    const std::vector<SkyEvent> actual = found(sky);
    EXPECT_EQ(actual.size(), expected.size()) << "week of " << sky.start;
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
      EXPECT_EQ(actual[i].value, expected[i].value) << "at " << expected[i].at;
      EXPECT_LE(std::abs(actual[i].at - expected[i].at), kTolerance) << "at " << expected[i].at;
      largest = std::max(largest, std::abs(actual[i].at - expected[i].at));
    }
  }
  return largest;
}

TEST(WeekSky, WeeksRunMondayToSundayInBeijingTime) {
  struct Case {
    std::time_t moment;
    std::time_t monday;
  };
  const Case cases[] = {
      {1796788800, 1796572800},                        // Wednesday 2026-12-09 12:00 → Monday 2026-12-07
      {1796572800, 1796572800},                        // the Monday's first second belongs to it
      {1796572800 - 1, 1796572800 - kSecondsPerWeek},  // Sunday 23:59:59 to the week before
      {1797177600 - 1, 1796572800},                    // Sunday 2026-12-13 23:59:59, though Sunday 15:59 in UTC
      {1798732800, 1798387200},                        // Friday 2027-01-01 → Monday 2026-12-28, across the year
      {0, -288000},                                    // 1970-01-01 08:00 UTC+8, a Thursday, before the epoch's week
  };
  for (const Case& c : cases) EXPECT_EQ(WeekStart(c.moment), c.monday) << c.moment;

  const BeijingTime time = BeijingTimeOf(1796572800 - 60);  // 16:59 UTC on a Sunday
  EXPECT_EQ((std::array{time.year, time.month, time.day, time.hour, time.minute, time.weekday}),
            (std::array{2026, 12, 6, 23, 59, 6}));
}

// Meeus, Astronomical Algorithms (2nd ed.): example 47.a gives the Moon's
// apparent longitude 133.167265° at 1992-04-12 0h TD, example 25.b the
// Sun's 199°54′21.818″ at 1992-10-13 0h TD (ΔT then about 58 s).
TEST(WeekSky, LongitudesMatchTheWorkedExamplesOfMeeus) {
  EXPECT_NEAR(MoonLongitude(703036800 - 58), 133.167265, 0.005);
  EXPECT_NEAR(SunLongitude(718934400 - 58), 199.906060, 0.001);
  EXPECT_EQ(SignOfLongitude(133.167265), 4);  // 狮子座
  EXPECT_EQ(SignOfLongitude(359.9999), 11);
  EXPECT_EQ(SignOfLongitude(0), 0);
}

TEST(WeekSky, MoonAndSunEnterTheirSignsWithinTenMinutesOfPyEphemEveryWeekOf2026) {
  struct Case {
    const char* body;
    std::span<const SkyEvent> reference;
    std::vector<SignEntry> WeekSky::*entries;
    int WeekSky::*signAtStart;
  };
  const Case cases[] = {
      {"moon", kMoonSignEntries, &WeekSky::moonEntries, &WeekSky::moonSignAtStart},
      {"sun", kSunSignEntries, &WeekSky::sunEntries, &WeekSky::sunSignAtStart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    const std::time_t largest = CompareWeeks(c.reference, [&c](const WeekSky& sky) {
      std::vector<SkyEvent> found;
      for (const SignEntry& entry : sky.*c.entries) found.push_back({entry.at, entry.sign});
      return found;
    });
    RecordProperty(std::string(c.body) + "_largest_difference_seconds", static_cast<int>(largest));
    for (const WeekSky& sky : YearOfWeeks()) {
      EXPECT_EQ(sky.*c.signAtStart, ReferenceSignAt(c.reference, sky.start)) << sky.start;
    }
  }
}

TEST(WeekSky, PhasesFallWithinTenMinutesOfPyEphemAndOnTheSameBeijingDay) {
  const std::time_t largest = CompareWeeks(kLunarPhases, [](const WeekSky& sky) {
    std::vector<SkyEvent> found;
    for (const Lunation& lunation : sky.lunations) found.push_back({lunation.at, static_cast<int>(lunation.phase)});
    return found;
  });
  RecordProperty("phase_largest_difference_seconds", static_cast<int>(largest));
  for (const WeekSky& sky : YearOfWeeks()) {
    const std::vector<SkyEvent> expected = InWeek(kLunarPhases, sky.start);
    for (std::size_t i = 0; i < std::min(expected.size(), sky.lunations.size()); ++i) {
      EXPECT_EQ(BeijingTimeOf(sky.lunations[i].at).day, BeijingTimeOf(expected[i].at).day) << expected[i].at;
      EXPECT_EQ(sky.lunations[i].moonSign, ReferenceSignAt(kMoonSignEntries, sky.lunations[i].at));
    }
  }
}

// The Chinese almanac begins every lunar month on the day of the new moon in
// UTC+8, and its full moons fall on the 14th to the 17th.
TEST(WeekSky, NewMoonsFallOnTheAlmanacsFirstDaysAndFullMoonsMidMonth) {
  int newMoons = 0;
  for (const WeekSky& sky : YearOfWeeks()) {
    for (const Lunation& lunation : sky.lunations) {
      const BeijingTime time = BeijingTimeOf(lunation.at);
      const int lunarDay = LunarDayOf(time.year, time.month, time.day);
      if (lunation.phase == LunarPhase::New) {
        EXPECT_EQ(lunarDay, 1) << lunation.at;
        ++newMoons;
      }
      if (lunation.phase == LunarPhase::Full) {
        EXPECT_GE(lunarDay, 14) << lunation.at;
        EXPECT_LE(lunarDay, 17) << lunation.at;
      }
    }
  }
  EXPECT_EQ(newMoons, std::count_if(std::begin(kLunarPhases), std::end(kLunarPhases),
                                    [](const SkyEvent& e) { return e.value == 0; }));
}

TEST(WeekSky, EclipseLunationsOf2026FallOnTheirAlmanacDates) {
  struct Case {
    LunarPhase phase;
    int month;
    int day;
  };
  const Case cases[] = {
      {LunarPhase::New, 2, 17},   // annular solar eclipse, and 春节 (正月初一)
      {LunarPhase::Full, 3, 3},   // total lunar eclipse
      {LunarPhase::New, 8, 13},   // total solar eclipse of 08-12 UTC, after midnight in UTC+8
      {LunarPhase::Full, 8, 28},  // partial lunar eclipse
  };
  for (const Case& c : cases) {
    bool found = false;
    for (const WeekSky& sky : YearOfWeeks()) {
      for (const Lunation& lunation : sky.lunations) {
        const BeijingTime time = BeijingTimeOf(lunation.at);
        found |= lunation.phase == c.phase && time.year == 2026 && time.month == c.month && time.day == c.day;
      }
    }
    EXPECT_TRUE(found) << c.month << "-" << c.day;
  }
}

TEST(WeekSky, AWeekGivesTheSameFactsWhateverWasComputedBefore) {
  const std::time_t week = WeekStart(1796788800);
  const WeekSky first = SkyOfWeek(week);
  SkyOfWeek(week + 3 * kSecondsPerWeek);
  MoonLongitude(week + 3600);  // libnova keeps results of nearby moments
  EXPECT_EQ(SkyOfWeek(week), first);
  EXPECT_NE(SkyOfWeek(week + kSecondsPerWeek).moonEntries, first.moonEntries);
}

TEST(WeekSky, TheRememberedSkyIsAlwaysTheWeekAsked) {
  const std::time_t week = WeekStart(1796788800);
  const WeekSky first = SkyOfWeek(week);
  const WeekSky next = SkyOfWeek(week + kSecondsPerWeek);
  for (const WeekSky* expected : {&first, &first, &next, &first}) {
    EXPECT_EQ(RememberedSkyOfWeek(expected->start), *expected);
  }
}

}  // namespace
}  // namespace velmora::services
