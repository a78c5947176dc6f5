#include <gtest/gtest.h>

#include "calendar/day_number.h"

namespace velmora {
namespace {

TEST(DayNumber, FixedPointsOfTheCount) {
  struct Case {
    CivilDate date;
    DayNumber expected;
  };
  const Case cases[] = {
      {{1, 1, 1}, kFirstDayNumber},              // the first date of the calendar
      {{1, 1, 3}, 1},                            // day 1
      {{1582, 10, 4}, kLastJulianDayNumber},     // last Julian day
      {{1582, 10, 15}, kLastJulianDayNumber + 1},  // first Gregorian day follows directly
      {{1899, 12, 31}, 693595},                  // base of the new-moon series
      {{1582, 10, 5}, 0},                        // dropped by the reform
      {{1582, 10, 14}, 0},
      {{2024, 1, 0}, DayNumberOf(2023, 12, 31)},  // day 0 of January
  };
  for (const Case& c : cases) EXPECT_EQ(DayNumberOf(c.date), c.expected) << FormatDate(c.date);
}

TEST(DayNumber, TheLunationEpochLiesBeforeYearOne) {
  EXPECT_EQ(DayNumberOf(-849, 1, 21), -310443);
}

// Walking every day number from 0001-01-01 to 2100-12-31 must give each
// existing date once, in order, and convert back to the same number; this
// catches the Julian century years where a shortcut lands a day early.
TEST(DayNumber, DateOfDayNumberInvertsEveryDayOfTheRange) {
  CivilDate expected{1, 1, 1};
  for (DayNumber n = kFirstDayNumber; n <= DayNumberOf(2100, 12, 31); ++n) {
    const std::optional<CivilDate> date = DateOfDayNumber(n);
    ASSERT_TRUE(date.has_value()) << n;
    ASSERT_EQ(*date, expected) << n;
    ASSERT_EQ(DayNumberOf(*date), n);
    // next existing date
    if (++expected.day > MonthLength(expected.year, expected.month)) {
      expected.day = 1;
      if (++expected.month > 12) {
        expected.month = 1;
        ++expected.year;
      }
    }
    if (IsDroppedReformDay(expected)) expected.day = 15;
  }
}

TEST(DayNumber, NumbersBeforeTheFirstDateHaveNoDate) {
  EXPECT_FALSE(DateOfDayNumber(kFirstDayNumber - 1).has_value());
  EXPECT_EQ(DateOfDayNumber(kFirstDayNumber), (CivilDate{1, 1, 1}));
}

TEST(DayNumber, LeapYearsFollowJulianThenGregorianRules) {
  EXPECT_TRUE(IsLeapYear(1500));   // Julian: every fourth year
  EXPECT_FALSE(IsLeapYear(1700));  // Gregorian century
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_EQ(DayNumberOf(1500, 3, 1) - DayNumberOf(1500, 2, 28), 2);
  EXPECT_EQ(DayNumberOf(1900, 3, 1) - DayNumberOf(1900, 2, 28), 1);
}

TEST(DayNumber, WeekdaysRunOnAcrossTheReform) {
  EXPECT_EQ(DayOfWeek(DayNumberOf(1582, 10, 4)), 4);   // Thursday
  EXPECT_EQ(DayOfWeek(DayNumberOf(1582, 10, 15)), 5);  // Friday
  EXPECT_EQ(DayOfWeek(DayNumberOf(2024, 5, 12)), 0);   // Sunday
  EXPECT_EQ(DayOfWeek(DayNumberOf(2000, 1, 1)), 6);    // Saturday
}

TEST(CivilDates, ParsingAndExistence) {
  EXPECT_EQ(ParseDate("2024-02-29"), (CivilDate{2024, 2, 29}));
  for (const char* bad : {"2024-2-29", "2024/02/29", "24-02-29", "2024-02-2x", "", "2024-02-290"}) {
    EXPECT_FALSE(ParseDate(bad).has_value()) << bad;
  }
  EXPECT_TRUE(IsExistingDate({2024, 2, 29}));
  EXPECT_FALSE(IsExistingDate({2023, 2, 29}));
  EXPECT_FALSE(IsExistingDate({2023, 13, 1}));
  EXPECT_FALSE(IsExistingDate({2023, 4, 31}));
  EXPECT_FALSE(IsExistingDate({1582, 10, 10}));
  EXPECT_EQ(FormatDate({33, 7, 5}), "0033-07-05");
}

}  // namespace
}  // namespace velmora
