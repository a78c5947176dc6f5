#include <gtest/gtest.h>

#include <sstream>

#include "calendar/day_number.h"
#include "cli/calendar_command.h"
#include "cli/exit_status.h"
#include "tests/cli/command_result.h"

namespace velmora::cli {
namespace {

CommandResult RunCalendar(const std::vector<std::string>& args) { return RunCommand(RunCalendarCommand, args); }

TEST(CalendarCommand, OneTabSeparatedLinePerDate) {
  const CommandResult result = RunCalendar({"1990-01-26", "1990-01-27"});
  EXPECT_EQ(result.status, kSuccess);
  EXPECT_EQ(result.out,
            "1990-01-26\t1989\t腊月三十\t腊月三十\t己巳年\t蛇\t水瓶座\t-\t-\t除夕\t-\n"
            "1990-01-27\t1990\t正月初一\t正月初一\t庚午年\t马\t水瓶座\t-\t-\t春节\t-\n");
  EXPECT_EQ(result.err, "");
}

TEST(CalendarCommand, ToDefaultsToFromAndEraTextsAppearBefore1949) {
  const CommandResult result = RunCalendar({"1900-12-31"});
  EXPECT_EQ(result.status, kSuccess);
  EXPECT_EQ(result.out, "1900-12-31\t1900\t冬月初十\t冬月初十\t庚子年\t鼠\t摩羯座\t-\t-\t-\t[清]德宗 爱新觉罗载湉 光绪26年\n");
}

TEST(CalendarCommand, StepsOverTheTenDroppedDaysOf1582) {
  const CommandResult result = RunCalendar({"1582-10-04", "1582-10-15"});
  EXPECT_EQ(result.status, kSuccess);
  EXPECT_EQ(result.out.substr(0, 11), "1582-10-04\t");
  EXPECT_NE(result.out.find("\n1582-10-15\t"), std::string::npos);
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2);
}

// The first date of the range has day number -1; each accepted date must print
// a line of its own, in order, with every field of the first one filled.
TEST(CalendarCommand, EveryAcceptedDatePrintsItsOwnLine) {
  const CommandResult first = RunCalendar({"0001-01-01", "0001-01-02"});
  EXPECT_EQ(first.status, kSuccess);
  EXPECT_EQ(first.out.substr(0, first.out.find('\n')),
            "0001-01-01\t0\t冬月十九\t冬月十九\t庚申年\t猴\t摩羯座\t-\t元旦节\t-\t[西汉]平帝 刘衎 元始元年");

  const CommandResult all = RunCalendar({"0001-01-01", "2100-12-31"});
  ASSERT_EQ(all.status, kSuccess);
  std::istringstream lines(all.out);
  CivilDate expected{1, 1, 1};
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    ASSERT_EQ(line.substr(0, 11), FormatDate(expected) + "\t") << "line " << count + 1;
    ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 10) << line;
    expected = *DateOfDayNumber(DayNumberOf(expected) + 1);
  }
  EXPECT_EQ(count, static_cast<std::size_t>(DayNumberOf(2100, 12, 31) - kFirstDayNumber + 1));
}

TEST(CalendarCommand, BadInputIsOneLineOnStderrAndStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"2024-01-01", "2024-01-02", "2024-01-03"},
      {"2024-1-1"},
      {"tomorrow"},
      {"2023-02-29"},
      {"2101-01-01"},
      {"0000-01-01"},
      {"1582-10-10"},
      {"2024-01-02", "2024-01-01"},
      {"2024-01-01", "2024-13-01"},
  };
  for (const auto& args : bad) {
    const CommandResult result = RunCalendar(args);
    EXPECT_EQ(result.status, kUsageError) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

TEST(CalendarCommand, ErrorMessagesShowControlBytesEscaped) {
  const CommandResult result = RunCalendar({"\x1B[31m2024\r"});
  EXPECT_EQ(result.status, kUsageError);
  EXPECT_EQ(result.err, "velmora-cli: '\\x1B[31m2024\\x0D' is not a date of the form yyyy-mm-dd\n");
}

}  // namespace
}  // namespace velmora::cli
