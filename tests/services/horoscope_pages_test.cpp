#include "services/horoscope_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/star_sign.h"
#include "online/horoscope_readings.h"
#include "services/routes.h"
#include "tests/services/page_text.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

using testing::IndexOfLine;
using testing::kFixedNow;
using testing::LinesBetween;
using testing::PageTextLines;
using testing::ProgramSources;
using testing::QueryOf;

constexpr std::time_t kWeek = 7 * 24 * 3600;
constexpr std::time_t kFixedMonday = 1796572800;  // 2026-12-07 00:00 UTC+8

std::string Title(const Page& page) {
  const std::string text = GbkToUtf8(page.body);
  const std::size_t open = text.find("<title>");
  return text.substr(open + 7, text.find("</title>") - open - 7);
}

const std::string kForecastStart = "周运程";
const std::string kForecastEnd = "　　　昨日星运　　　明日星运　　　本周星运　　　本月星运";

Page Forecast(int number, const Sources& sources = ProgramSources()) {
  return ForecastPage(QueryOf({{"type", "w"}, {"xingzuo", std::to_string(number)}}), sources);
}

Sources At(std::time_t now) {
  Sources sources = ProgramSources();
  sources.SetClock([now] { return now; });
  return sources;
}

TEST(ForecastPage, TheWeeksForecastStandsBetweenItsMarkersWithTheFactsItUsed) {
  const Page page = Forecast(12);
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.contentType, "text/html; charset=gbk");
  const std::vector<std::string> lines = PageTextLines(page);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), kForecastStart), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), kForecastEnd), 1);
  const std::vector<std::string> forecast = LinesBetween(lines, kForecastStart, kForecastEnd);
  ASSERT_GT(forecast.size(), 20u);
  EXPECT_EQ(forecast[0], "双鱼座　2026年12月7日（周一）至12月13日（周日）　北京时间");
  // the facts of the week of 2026-12-07, each in one line
  for (const char* fact : {"太阳 7日 00:00 在射手座", "本周以太阳在射手座论：位于你的第十宫，与双鱼座相刑",
                           "月亮 7日 00:00 在天蝎座", "月亮 7日 23:06 进入射手座", "月亮 10日 11:08 进入摩羯座",
                           "月亮 13日 00:05 进入水瓶座", "新月 9日 08:51，月亮在射手座"}) {
    EXPECT_NE(IndexOfLine(forecast, fact), -1) << fact;
  }
  // the ratings name their reasons; the days name their areas
  EXPECT_NE(IndexOfLine(forecast,
                        "事业运 ★★★★★（太阳与双鱼座相刑 -1；太阳在你的第十宫 +1；"
                        "月亮在你的第十宫停留约60小时 +1；新月落在你的第十宫 +1）"),
            -1);
  EXPECT_NE(IndexOfLine(forecast, "12月13日 周日　月亮在水瓶座（第十二宫）　最佳：健康　稍弱：爱情"), -1);
  EXPECT_EQ(Title(page), "双鱼座本周运程 - Velmora 星座运程");
}

TEST(ForecastPage, EachSignReadsItsOwnForecast) {
  std::set<std::vector<std::string>> forecasts;
  for (int number = 1; number <= 12; ++number) {
    const std::vector<std::string> forecast =
        LinesBetween(PageTextLines(Forecast(number)), kForecastStart, kForecastEnd);
    ASSERT_FALSE(forecast.empty()) << number;
    EXPECT_EQ(forecast[0].substr(0, 9), GbkToUtf8(ConstellationNames()[static_cast<std::size_t>(number - 1)]));
    forecasts.insert(forecast);
  }
  EXPECT_EQ(forecasts.size(), 12u);
}

TEST(ForecastPage, AWeekReadsTheSameOnEveryRequestAndTheNextWeekDifferently) {
  const std::string fixed = Forecast(5).body;
  EXPECT_EQ(Forecast(5, At(kFixedMonday)).body, fixed);              // Monday 00:00:00
  EXPECT_EQ(Forecast(5, At(kFixedMonday + kWeek - 1)).body, fixed);  // Sunday 23:59:59
  EXPECT_EQ(Forecast(5).body, fixed);                                // asked again
  EXPECT_NE(Forecast(5, At(kFixedMonday + kWeek)).body, fixed);
  EXPECT_NE(Forecast(5, At(kFixedMonday - 1)).body, fixed);
  // a year on, the same sign still has its markers and another text
  const std::vector<std::string> later = PageTextLines(Forecast(5, At(kFixedNow + 52 * kWeek)));
  EXPECT_GT(LinesBetween(later, kForecastStart, kForecastEnd).size(), 20u);
}

TEST(ForecastPage, ABadTypeOrNumberGetsTheBadRequestPage) {
  struct Case {
    std::multimap<std::string, std::string> parameters;
    const char* message;
  };
  const Case cases[] = {
      {{{"type", "w"}, {"xingzuo", "0"}}, "参数 xingzuo 应为 1 到 12 之间的整数"},
      {{{"type", "w"}, {"xingzuo", "13"}}, "参数 xingzuo 应为 1 到 12 之间的整数"},
      {{{"type", "w"}, {"xingzuo", "双鱼座"}}, "参数 xingzuo 应为 1 到 12 之间的整数"},
      {{{"type", "w"}, {"xingzuo", ""}}, "参数 xingzuo 应为 1 到 12 之间的整数"},
      {{{"type", "w"}}, "缺少参数 xingzuo"},
      {{{"type", "m"}, {"xingzuo", "1"}}, "参数 type 应为 w"},
      {{{"xingzuo", "1"}}, "缺少参数 type"},
  };
  for (const Case& c : cases) {
    std::multimap<std::string, std::string> gbk;
    for (const auto& [name, value] : c.parameters) gbk.emplace(name, Utf8ToGbk(value));
    const Page page = Answer("/yuncheng_xingzuo_new.php", gbk, "h", ProgramSources());
    EXPECT_EQ(page.status, 400) << c.message;
    EXPECT_NE(GbkToUtf8(page.body).find(c.message), std::string::npos) << c.message;
    EXPECT_EQ(IndexOfLine(PageTextLines(page), kForecastStart), -1);
  }
}

std::vector<std::string> LeapYearKeys() {
  std::vector<std::string> keys;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= MonthLength(2000, month); ++day) {
      keys.push_back(std::to_string(month) + "-" + std::to_string(day));
    }
  }
  return keys;
}

Page Birthday(const std::string& key) { return Answer("/birthday/" + key + ".htm", {}, "h", ProgramSources()); }

// "【星座】双鱼座　第二旬": the sign by the program's boundaries, and the
// decan by the days since the sign's first day in a leap year.
std::string SignLine(int month, int day) {
  struct Start {
    int month;
    int day;
  };
  // 白羊座 .. 双鱼座
  constexpr Start kStarts[] = {{3, 21}, {4, 20},  {5, 21},  {6, 22},  {7, 23}, {8, 23},
                               {9, 23}, {10, 24}, {11, 22}, {12, 22}, {1, 20}, {2, 19}};
  const std::string sign = GbkToUtf8(StarSignOfDate(month, day));
  const auto& names = ConstellationNames();
  const std::size_t index = std::find(names.begin(), names.end(), Utf8ToGbk(sign)) - names.begin();
  const Start first = kStarts[index];
  const int since = (DayNumberOf(2000, month, day) - DayNumberOf(2000, first.month, first.day) + 366) % 366;
  const char* const decans[] = {"第一旬", "第二旬", "第三旬"};
  return "【星座】" + sign + "　" + decans[std::min(since / 10, 2)];
}

TEST(BirthdayPage, EveryDayHasItsOwnPageUnderTheTitleWithItsSignAndDecan) {
  const std::string title = GbkToUtf8(BirthdayPageTitle());
  const std::string start = "本站首页 | 免费在线算命论坛社区 | 在线批八字算命";
  std::set<std::vector<std::string>> texts;
  std::set<std::string> daySentences;
  const std::vector<std::string> keys = LeapYearKeys();
  ASSERT_EQ(keys.size(), 366u);
  for (const std::string& key : keys) {
    SCOPED_TRACE(key);
    const Page page = Birthday(key);
    ASSERT_EQ(page.status, 200);
    EXPECT_EQ(Title(page), title);
    const std::vector<std::string> lines = PageTextLines(page);
    const int marker = IndexOfLine(lines, start);
    const int close = IndexOfLine(lines, "【关闭窗口】");
    ASSERT_GE(marker, 0);
    ASSERT_GT(close, marker + 4);
    const std::vector<std::string> text(lines.begin() + marker + 4, lines.begin() + close);
    const int month = std::stoi(key);
    const int day = std::stoi(key.substr(key.find('-') + 1));
    const std::string sign = SignLine(month, day);
    EXPECT_EQ(text[0].substr(0, sign.size()), sign);
    EXPECT_EQ(text[3].substr(0, 18), "【生日寄语】");
    daySentences.insert(text[3]);
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 366u);
  EXPECT_EQ(daySentences.size(), 366u);
}

TEST(BirthdayPage, DaysThatDoNotExistGetTheNotFoundPage) {
  for (const char* key : {"2-30", "13-1", "0-5", "03-07", "4-31", "3-7x", "%B0", "..%2f3-7"}) {
    const Page page = Birthday(key);
    EXPECT_EQ(page.status, 404) << key;
    EXPECT_NE(Title(page), GbkToUtf8(BirthdayPageTitle())) << key;
  }
}

}  // namespace
}  // namespace velmora::services
