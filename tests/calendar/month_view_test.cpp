#include <gtest/gtest.h>

#include "calendar/month_view.h"
#include "text/gbk.h"

namespace velmora {
namespace {

TEST(MonthView, LunarLineOfADayCell) {
  struct Case {
    const char* month;
    const char* day;
    const char* solarFestival;
    const char* solarTerm;
    const char* lunarFestival;
    const char* line;
  };
  const Case cases[] = {
      {"四月", "初五", "", "", "", "初五"},
      {"闰四", "初一", "", "", "", "闰四"},                // month text on 初一
      {"正月", "初一", "", "立春", "春节", "春节"},         // lunar festival last and strongest
      {"冬月", "初九", "圣诞节", "", "", "圣诞节"},
      {"冬月", "初九", "圣诞节", "冬至", "", "冬至"},       // the term over the civil festival
  };
  for (const Case& c : cases) {
    TChnCal facts;
    facts.monthText = Utf8ToGbk(c.month);
    facts.dayText = Utf8ToGbk(c.day);
    facts.solarFestival = Utf8ToGbk(c.solarFestival);
    facts.solarTerm = Utf8ToGbk(c.solarTerm);
    facts.lunarFestival = Utf8ToGbk(c.lunarFestival);
    EXPECT_EQ(GbkToUtf8(DayCellLunarLine(facts)), c.line);
  }
}

TEST(MonthView, TitleLineNamesTheEraBefore1949) {
  TChnCal facts;
  facts.eraText = Utf8ToGbk("[清]德宗 爱新觉罗载湉 光绪26年");
  EXPECT_EQ(GbkToUtf8(CalendarTitleLine({1900, 5, 1}, facts, Utf8ToGbk("四月初三"))),
            "[清]德宗 爱新觉罗载湉 光绪26年 农历四月初三");
  EXPECT_EQ(GbkToUtf8(CalendarTitleLine({2024, 2, 10}, facts, Utf8ToGbk("正月初一"))), "2024-02-10 农历正月初一");
}

TEST(MonthView, CellsOfAMonth) {
  const std::vector<DayCell> february = MonthDayCells(2024, 2);
  ASSERT_EQ(february.size(), 29u);
  EXPECT_EQ(GbkToUtf8(february[9].lunarLine), "春节");   // 02-10
  EXPECT_EQ(GbkToUtf8(february[3].lunarLine), "立春");   // 02-04
  EXPECT_EQ(FirstWeekdayOfMonth(2024, 2), 4);            // a Thursday
  const std::vector<DayCell> reform = MonthDayCells(1582, 10);
  ASSERT_EQ(reform.size(), 31u);
  EXPECT_EQ(reform[9].lunarLine, "");  // 10-10 never existed
  EXPECT_NE(reform[14].lunarLine, "");
}

TEST(MonthView, SelectorsKeepTheDayWhereItExists) {
  EXPECT_EQ(StepMonths({2024, 1, 31}, 1), (CivilDate{2024, 2, 29}));
  EXPECT_EQ(StepMonths({2023, 12, 15}, 1), (CivilDate{2024, 1, 15}));  // wraps into the next year
  EXPECT_EQ(StepMonths({2024, 1, 15}, -1), (CivilDate{2023, 12, 15}));
  EXPECT_EQ(WithYear({2024, 2, 29}, 2023), (CivilDate{2023, 2, 28}));
  EXPECT_EQ(WithMonth({2024, 3, 31}, 4), (CivilDate{2024, 4, 30}));
  EXPECT_EQ(WithMonth({1582, 9, 10}, 10), (CivilDate{1582, 10, 4}));  // before the dropped days
}

}  // namespace
}  // namespace velmora
