#include "online/horoscope_readings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/online/fake_browser.h"
#include "tests/test_folder.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// A body text of numbered lines ("L0", "L1", ...) with marker lines put at
// the given indexes, in GBK with CR LF as the browser hands it over.
std::string BodyText(int lines, const std::vector<std::pair<int, std::string>>& markers) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    std::string line = std::to_string(i);
    line.insert(line.begin(), 'L');
    for (const auto& [at, marker] : markers) {
      if (at == i) line = marker;
    }
    if (i) text += "\r\n";
    text += line;
  }
  return text;
}

std::vector<std::string> Utf8Lines(const LineBuffer& buffer) {
  std::vector<std::string> lines;
  for (const std::string& line : buffer.Lines()) lines.push_back(GbkToUtf8(line));
  return lines;
}

TEST(HoroscopeReadings, AddressesCarryTheConstellationNumberAndTheBirthdayKey) {
  const std::string base = "http://127.0.0.1:8000";
  EXPECT_EQ(GbkToUtf8(ConstellationNames()[11]), "双鱼座");
  EXPECT_EQ(ForecastAddress(base, 11), base + "/yuncheng_xingzuo_new.php?type=w&xingzuo=12");
  EXPECT_EQ(GbkToUtf8(ConstellationNames()[0]), "白羊座");
  EXPECT_EQ(ForecastAddress(base, 0), base + "/yuncheng_xingzuo_new.php?type=w&xingzuo=1");
  struct Case {
    CivilDate birthday;
    const char* key;
  };
  const Case cases[] = {
      {{2014, 3, 7}, "3-7"},
      {{2014, 12, 25}, "12-25"},
      {{2000, 2, 29}, "2-29"},
      {{1901, 10, 1}, "10-1"},
  };
  for (const Case& c : cases) EXPECT_EQ(BirthdayKey(c.birthday), c.key);
  EXPECT_EQ(BirthdayAddress(base, "3-7"), base + "/birthday/3-7.htm");
  EXPECT_EQ(BirthdayAddress(base, "12-25"), base + "/birthday/12-25.htm");
  EXPECT_EQ(GbkToUtf8(BirthdayHeading(Utf8ToGbk("欧阳娜娜"), Utf8ToGbk("女"), "3-7")),
            "姓名:欧阳娜娜  性别:女  生于:3-7");
}

TEST(HoroscopeReadings, TheForecastIsTheLinesBetweenItsMarkers) {
  const std::string start = ForecastStartMarker();
  const std::string end = ForecastEndMarker();
  struct Case {
    const char* what;
    std::string body;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"both markers", BodyText(8, {{2, start}, {6, end}}), {"L3", "L4", "L5"}},
      {"the end marker right after the start", BodyText(8, {{2, start}, {3, end}}), {}},
      {"no start marker: from the first line", BodyText(5, {{3, end}}), {"L0", "L1", "L2"}},
      {"no end marker: nothing", BodyText(5, {{1, start}}), {}},
      {"the end marker before the start", BodyText(6, {{1, end}, {3, start}}), {}},
      {"an error page", "This site can't be reached\r\nERR_CONNECTION_REFUSED", {}},
  };
  for (const Case& c : cases) {
    FakeBrowser page;
    page.bodyText = c.body;
    LineBuffer text;
    LineBuffer shown;
    shown.Append("an earlier forecast");
    TakeForecastAnswer(page, text, shown);
    EXPECT_EQ(Utf8Lines(shown), c.shown) << c.what;
  }
  // The end marker's blanks are ideographic spaces: ordinary blanks make another line.
  EXPECT_EQ(GbkToUtf8(end),
            "\u3000\u3000\u3000昨日星运\u3000\u3000\u3000明日星运\u3000\u3000\u3000本周星运"
            "\u3000\u3000\u3000本月星运");
}

TEST(HoroscopeReadings, TheBirthdayTextFollowsTheHeadingFromFourLinesBelowTheMarker) {
  const std::string heading = BirthdayHeading(Utf8ToGbk("张三"), Utf8ToGbk("男"), "3-7");
  const std::vector<std::string> headLines = {"", "姓名:张三  性别:男  生于:3-7", "", ""};
  const auto withHead = [&](std::vector<std::string> lines) {
    lines.insert(lines.begin(), headLines.begin(), headLines.end());
    return lines;
  };
  struct Case {
    const char* what;
    std::string body;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"start marker at 10, end at 20", BodyText(24, {{10, BirthdayStartMarker()}, {20, BirthdayEndMarker()}}),
       withHead({"L14", "L15", "L16", "L17", "L18", "L19"})},
      {"no start marker: from line 3", BodyText(8, {{6, BirthdayEndMarker()}}), withHead({"L3", "L4", "L5"})},
      {"no end marker: the heading only", BodyText(8, {{1, BirthdayStartMarker()}}), headLines},
      {"the end marker within four lines", BodyText(8, {{1, BirthdayStartMarker()}, {4, BirthdayEndMarker()}}),
       headLines},
  };
  for (const Case& c : cases) {
    FakeBrowser page;
    page.title = BirthdayPageTitle();
    page.bodyText = c.body;
    LineBuffer text;
    LineBuffer shown;
    EXPECT_TRUE(TakeBirthdayAnswer(page, heading, text, shown)) << c.what;
    EXPECT_EQ(Utf8Lines(shown), c.shown) << c.what;
  }
}

TEST(HoroscopeReadings, APageWithAnotherTitleChangesNothing) {
  for (const std::string& title : {std::string(), "Velmora 应答服务 - 没有这个页面"_gbk, BirthdayPageTitle() + " "}) {
    FakeBrowser page;
    page.title = title;
    page.bodyText = BodyText(24, {{10, BirthdayStartMarker()}, {20, BirthdayEndMarker()}});
    LineBuffer text;
    text.Append("kept");
    LineBuffer shown;
    shown.Append("the previous answer");
    EXPECT_FALSE(TakeBirthdayAnswer(page, "h", text, shown));
    EXPECT_EQ(Utf8Lines(shown), std::vector<std::string>{"the previous answer"});
    EXPECT_EQ(Utf8Lines(text), std::vector<std::string>{"kept"});
  }
  EXPECT_EQ(GbkToUtf8(BirthdayErrorMessage()), "网络连接错误，请确保当前已联网\r\n或请候后再试......");
}

TEST(HoroscopeReadings, OnlyARemoteServiceAsksWhetherTheMachineIsOnline) {
  const HostAddresses loopback = [] { return std::vector<std::string>{"127.0.0.1"}; };
  const HostAddresses lan = [] { return std::vector<std::string>{"192.168.1.20"}; };
  int asked = 0;
  const HostAddresses counting = [&asked] {
    ++asked;
    return std::vector<std::string>{"127.0.0.1"};
  };
  const ServiceAddresses local;
  EXPECT_FALSE(OfflineForService(local, Service::Forecast, counting));
  EXPECT_FALSE(OfflineForService(local, Service::Birthday, counting));
  EXPECT_EQ(asked, 0);  // the bundled service needs no network

  const testing::TestFolder folder;
  std::ofstream(folder.Path() + "data/services.ini") << "[forecast]\nbase=http://horoscope.example:8080\n";
  ServiceAddresses remote;
  remote.Read(folder.Path());
  EXPECT_TRUE(OfflineForService(remote, Service::Forecast, loopback));
  EXPECT_FALSE(OfflineForService(remote, Service::Forecast, lan));
  EXPECT_FALSE(OfflineForService(remote, Service::Birthday, loopback));  // still the bundled one
  EXPECT_EQ(GbkToUtf8(OfflineMessage()), "你的机器可能未联接到网络\r\r本功能需要实时在线！");
}

}  // namespace
}  // namespace velmora
