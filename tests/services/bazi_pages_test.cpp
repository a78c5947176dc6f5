#include <gtest/gtest.h>

#include "calendar/four_pillars.h"
#include "online/bazi_readings.h"
#include "services/bazi_pages.h"
#include "services/chart_text.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"
#include "text/text_lines.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;
using testing::QueryOf;

std::string Utf8Body(const Page& page) { return GbkToUtf8(page.body); }

Page Sizhu(const std::string& year, const std::string& month, const std::string& day, const std::string& hour,
           const std::string& sex = "1") {
  return SizhuPage(QueryOf({{"china95_year", year}, {"china95_month", month}, {"china95_day", day},
                            {"china95_time", hour}, {"sex", sex}}),
                   ProgramSources());
}

// The text between the page's two marker lines, one entry per line, tags removed.
std::vector<std::string> ReadingLines(const Page& page) {
  std::vector<std::string> lines;
  bool inside = false;
  for (const std::string& line : SplitLines(page.body)) {
    std::string text;
    for (bool tag = false; const char c : line) {
      if (c == '<') tag = true;
      else if (c == '>') tag = false;
      else if (!tag) text += c;
    }
    if (text == SizhuEndMarker()) break;
    if (inside) lines.push_back(GbkToUtf8(text));
    if (text == SizhuStartMarker()) inside = true;
  }
  return lines;
}

// "a=1&b=2" as the service decodes a query.
std::multimap<std::string, std::string> Fields(const std::string& query) {
  std::multimap<std::string, std::string> fields;
  std::size_t start = 0;
  for (bool last = false; !last; start = query.find('&', start) + 1) {
    const std::size_t end = query.find('&', start);
    last = end == std::string::npos;
    const std::string pair = query.substr(start, last ? std::string::npos : end - start);
    const std::size_t equals = pair.find('=');
    fields.emplace(pair.substr(0, equals), equals == std::string::npos ? "" : pair.substr(equals + 1));
  }
  return fields;
}

std::string LineStarting(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (line.rfind(start, 0) == 0) return line;
  }
  return "(none)";
}

TEST(BaziPages, TheSizhuReadingStandsBetweenTheMarkers) {
  const Page page = Sizhu("1990", "5", "27", "11");
  EXPECT_EQ(page.status, 200);
  EXPECT_NE(Utf8Body(page).find("<title>四柱八字在线免费算命系统</title>"), std::string::npos);
  const std::vector<std::string> lines = ReadingLines(page);
  ASSERT_GT(lines.size(), 40u);
  EXPECT_EQ(lines[1], "【命主】乾造（男）");  // the first line after the marker is ours and never copied
  EXPECT_EQ(LineStarting(lines, "农历"), "农历：庚午年 五月初四 巳时");
  EXPECT_EQ(LineStarting(lines, "生肖"), "生肖：属马　星座：双子座");
  // A summer of daylight saving: charted at 10:00 standard time.
  EXPECT_EQ(LineStarting(lines, "排盘时间"), "排盘时间（北京标准时间）：1990年5月27日 10:00");
  EXPECT_EQ(LineStarting(lines, "【四柱】"), "【四柱】庚午 辛巳 壬辰 乙巳　日主：壬水");
  EXPECT_EQ(LineStarting(lines, "年柱"), "年柱：庚午　天干十神：偏印　纳音：路旁土");
  EXPECT_EQ(LineStarting(lines, "　藏干：丙火偏财"), "　藏干：丙火偏财 庚金偏印 戊土七杀　日主在此：绝");
  EXPECT_EQ(LineStarting(lines, "旬空"), "旬空：午未（日柱壬辰所在之旬）");
  EXPECT_EQ(LineStarting(lines, "【月令】"), "【月令】生于巳月：火旺 土相 木休 水囚 金死");
  // The judgement: 得令0.9 (巳's 庚), 得地0.5 (辰's 癸, 巳's 庚), 得生2 (庚 辛) of 9.5 is
  // 35%, 中和; 巳's 庚 shows on the year stem: 偏印格; a summer 壬 without water: 调候.
  EXPECT_EQ(LineStarting(lines, "【日主强弱】"), "【日主强弱】中和　帮身之力占全局35%");
  EXPECT_EQ(LineStarting(lines, "【格局】"), "【格局】偏印格");
  EXPECT_EQ(LineStarting(lines, "【喜用神】"),
            "【喜用神】用神：水（比劫）　喜神：金（印星）　忌神：火（财星）、土（官杀）　闲神：木（食伤）　取用之法：调候");
  // Each heading is followed by its paragraph, which gives the reasons.
  const auto after = [&lines](const std::string& heading) {
    const auto at = std::find(lines.begin(), lines.end(), LineStarting(lines, heading));
    return at == lines.end() || at + 1 == lines.end() ? std::string() : *(at + 1);
  };
  EXPECT_NE(after("【日主强弱】").find("本造得令0.9分、得地0.5分、得生2分、得助0分，帮身共3.4分"), std::string::npos);
  EXPECT_NE(after("【格局】").find("巳月所藏庚金（中气）透于年干，为日主壬水之偏印，取偏印格。"), std::string::npos);
  EXPECT_NE(after("【喜用神】").find("据穷通宝鉴·三夏壬水·四月，以壬水为用神，辛金为喜神。"), std::string::npos);
  EXPECT_EQ(LineStarting(lines, "起运"),
            "起运：按三天折一年、一天折四个月、两小时折十天，于3岁3个月13天起运，即公历1993年9月9日（年龄按周岁计）");
  EXPECT_EQ(LineStarting(lines, "一运"), "一运 壬午（比肩） 1993年起　3岁");
  // The years belong to the person: inside their 大运, with both ages; the clock's year is marked.
  EXPECT_EQ(LineStarting(lines, "　2026年"), "　2026年 丙午 偏财 周岁36 虚岁37　←今年");
  EXPECT_EQ(LineStarting(lines, "　1990年"), "　1990年 庚午 偏印 周岁0 虚岁1　小运丙午（偏财）");
  EXPECT_EQ(LineStarting(lines, "【胎元 命宫 身宫】"), "【胎元 命宫 身宫】胎元：壬申（剑锋金）　命宫：癸未（杨柳木）　身宫：丁亥（屋上土）");
  EXPECT_EQ(LineStarting(lines, "　寅月"), "　寅月 庚寅 偏印　立春 2026年2月4日 04:02");
  EXPECT_EQ(LineStarting(lines, "出生于夏令时期间"),
            "出生于夏令时期间：钟表时间比北京标准时间快一小时，本盘按标准时间1990年5月27日 10:00排出；若按钟表时间排，时柱丙午。");
}

// With the minute and the place the day and hour pillars follow local true solar time.
TEST(BaziPages, TheSizhuReadingAtAPlaceShowsTheCorrection) {
  struct Case {
    std::multimap<std::string, std::string> extra;  // UTF-8
    const char* start;
    const char* line;
  };
  const Case cases[] = {
      {{{"china95_minute", "30"}, {"china95_place", "喀什"}}, "真太阳时", "真太阳时：2000年11月3日 09:50（均时差+16.4分）"},
      {{{"china95_minute", "30"}, {"china95_place", "喀什"}}, "【四柱】", "【四柱】庚辰 丙戌 乙丑 辛巳　日主：乙木"},
      {{{"china95_minute", "30"}, {"china95_place", "喀什市"}}, "平太阳时",
       "平太阳时：2000年11月3日 09:33（经度时差-176.0分，距时区中央经线每度四分钟）"},
      {{{"china95_minute", "30"}, {"china95_longitude", "75.99"}}, "【真太阳时】", "【真太阳时】出生地：经度东经75.99°"},
      {{{"china95_place", "朝阳"}, {"china95_province", "辽宁"}}, "【真太阳时】",
       "【真太阳时】出生地：朝阳市（辽宁省，东经120.46°）"},
      // Empty optional fields, as the form page sends them, change nothing.
      {{{"china95_minute", ""}, {"china95_place", ""}, {"china95_longitude", ""}}, "公历", "公历：2000年11月3日 12时（北京时间）"},
      {{{"china95_minute", "30"}}, "公历", "公历：2000年11月3日 12时30分（北京时间）"},
  };
  for (const Case& c : cases) {
    std::multimap<std::string, std::string> fields = {{"china95_year", "2000"}, {"china95_month", "11"}, {"china95_day", "3"},
                                                      {"china95_time", "12"},   {"sex", "0"}};
    fields.insert(c.extra.begin(), c.extra.end());
    const Page page = SizhuPage(QueryOf(fields), ProgramSources());
    ASSERT_EQ(page.status, 200) << c.line;
    EXPECT_EQ(LineStarting(ReadingLines(page), c.start), c.line);
  }
}

TEST(BaziPages, FragileBirthsSayWhichPillarWouldChange) {
  struct Case {
    const char *year, *month, *day, *hour;
    const char* note;  // the start of the note line
  };
  const Case cases[] = {
      // 立春 2024 fell at 16:27 on 4 February: 15:00 lies within two hours of it.
      {"2024", "2", "4", "15", "出生时刻距立春（2024年2月4日 16:2"},
      {"2000", "1", "1", "23", "出生于二十三点（夜子时）"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> lines = ReadingLines(Sizhu(c.year, c.month, c.day, c.hour));
    EXPECT_NE(LineStarting(lines, c.note), "(none)") << c.year;
  }
  EXPECT_EQ(LineStarting(ReadingLines(Sizhu("1985", "3", "1", "12")), "【排盘提示】"), "(none)");
}

TEST(BaziPages, ThePillarsAreTheOnesOfTheFiveElementReading) {
  struct Case {
    CivilDate date;
    int hour;
  };
  const Case cases[] = {{{1990, 5, 27}, 11}, {{1988, 7, 1}, 0},   {{2024, 2, 4}, 15}, {{2024, 2, 4}, 17},
                        {{2024, 3, 5}, 9},   {{2024, 3, 5}, 11},  {{2000, 1, 1}, 23}, {{1949, 10, 1}, 15},
                        {{2100, 12, 31}, 23}, {{1901, 1, 1}, 0}};
  for (const Case& c : cases) {
    const FourPillars pillars = FourPillarsOf(c.date, c.hour);
    const std::string expected = "【四柱】" + GbkToUtf8(PillarText(pillars.year) + " " + PillarText(pillars.month) + " " +
                                                      PillarText(pillars.day) + " " + PillarText(pillars.hour));
    const std::vector<std::string> lines = ReadingLines(Sizhu(std::to_string(c.date.year), std::to_string(c.date.month),
                                                              std::to_string(c.date.day), std::to_string(c.hour)));
    EXPECT_EQ(LineStarting(lines, "【四柱】").substr(0, expected.size()), expected) << FormatDate(c.date);
  }
}

TEST(BaziPages, BadRequestsGetThe400PageNamingTheField) {
  struct Case {
    const char* path;
    std::string query;  // GBK bytes, as the service decodes them
    const char* message;
  };
  const std::string sizhu = "china95_month=5&china95_day=27&china95_time=11&sex=1";
  const std::string score = "&sex=" + Utf8ToGbk("男") + "&y=1990&m=5&d=27&h=11";
  const Case cases[] = {
      {"/bazi/sizhu.asp", sizhu, "缺少参数 china95_year"},
      {"/bazi/sizhu.asp", "china95_year=0&" + sizhu, "参数 china95_year 应为 1 到 2100 之间的整数"},
      {"/bazi/sizhu.asp", "china95_year=99999&" + sizhu, "参数 china95_year 应为 1 到 2100 之间的整数"},
      {"/bazi/sizhu.asp", "china95_year=1990&china95_month=13&china95_day=1&china95_time=1&sex=1",
       "参数 china95_month 应为 1 到 12 之间的整数"},
      {"/bazi/sizhu.asp", "china95_year=1990&china95_month=2&china95_day=30&china95_time=1&sex=1",
       "出生日期 1990-02-30 不存在"},
      {"/bazi/sizhu.asp", "china95_year=1990&china95_month=2&china95_day=3&china95_time=24&sex=1",
       "参数 china95_time 应为 0 到 23 之间的整数"},
      {"/bazi/sizhu.asp", "china95_year=1990&" + sizhu.substr(0, sizhu.size() - 1) + "2", "参数 sex 应为 1（男）或 0（女）"},
      {"/chest/bz/bazi.asp", "name=\xB0" + score, "参数 name 不是 GBK 文字"},
      {"/chest/bz/bazi.asp", score.substr(1), "缺少参数 name"},
      {"/chest/bz/bazi.asp", "name=a&sex=x&y=1990&m=5&d=27&h=11", "参数 sex 应为“男”或“女”"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&minute=60", "参数 minute 应为 0 到 59 之间的整数"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&longitude=180.5", "参数 longitude 应为 -180 到 180 之间的经度"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&longitude=nan", "参数 longitude 应为 -180 到 180 之间的经度"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&place=" + Utf8ToGbk("火星"), "参数 place 所填地名“火星”不在地名表中"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&place=" + Utf8ToGbk("朝阳"), "有多处（北京、辽宁、吉林），请以参数 province 指明省份"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&place=" + std::string(10000, 'a'), "参数 place 应为地名，不超过 64 字节"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&place=\xB0", "参数 place 不是 GBK 文字"},
      {"/chest/bz/bazi.asp", "name=a" + score + "&place=" + Utf8ToGbk("喀什") + "&longitude=76", "参数 place 与 longitude 只能填一个"},
      {"/bazi/sizhu.asp", "china95_year=1990&" + sizhu + "&china95_place=" + Utf8ToGbk("朝阳") + "&china95_province=" + Utf8ToGbk("上海"),
       "参数 china95_place 所填地名“朝阳”（上海）不在地名表中"},
      // West of Greenwich on the calendar's first day: the correction leaves the calendar.
      {"/bazi/sizhu.asp", "china95_year=1&china95_month=1&china95_day=1&china95_time=0&china95_longitude=-180&sex=1",
       "出生时间无法排盘"},
  };
  for (const Case& c : cases) {
    const Page page = Answer(c.path, Fields(c.query), "127.0.0.1:8000", ProgramSources());
    EXPECT_EQ(page.status, 400) << c.message;
    EXPECT_NE(Utf8Body(page).find(c.message), std::string::npos) << c.message;
  }
}

TEST(BaziPages, TheScorePageKeepsItsChartAndBarsWhereTheProgramCutsThem) {
  const std::string birth = "name=" + Utf8ToGbk("张三") + "&sex=" + Utf8ToGbk("男") + "&y=1990&m=5&d=27&h=11";
  // With a place the whole chart follows the bars, still inside the kept lines.
  const Page atPlace = Answer("/chest/bz/bazi.asp", Fields(birth + "&minute=5&place=" + Utf8ToGbk("乌鲁木齐")),
                              "127.0.0.1:8123", ProgramSources());
  ASSERT_EQ(atPlace.status, 200);
  const std::vector<std::string> placeLines = SplitLines(GbkToUtf8(atPlace.body));
  const auto placeBody =
      std::find_if(placeLines.begin(), placeLines.end(), [](const std::string& l) { return l.rfind("<body", 0) == 0; });
  const std::vector<std::string> placeBodyLines(placeBody, placeLines.end() - 1);
  std::string placeKept;
  for (std::size_t i = 113; i + 28 <= placeBodyLines.size(); ++i) placeKept += placeBodyLines[i];
  EXPECT_EQ(placeBodyLines[108], "</table>");
  EXPECT_EQ(placeBodyLines[placeBodyLines.size() - 28], "</table>");
  // The birth opens the kept lines, with its place and true solar time.
  EXPECT_EQ(placeBodyLines[6], "<tr><td colspan=\"5\"><font size=\"2\">公历：1990年5月27日 11时5分（北京时间）"
                               "　农历：庚午年 五月初四 辰时</font></td></tr>");
  EXPECT_EQ(placeBodyLines[7], "<tr><td colspan=\"5\"><font size=\"2\">出生地：乌鲁木齐市（新疆维吾尔自治区，"
                               "东经87.60°）　真太阳时：1990年5月27日 07:58</font></td></tr>");
  for (const char* section : {"命理断语", "强弱计法", "【真太阳时】出生地：乌鲁木齐市", "【胎元 命宫 身宫】", "【神煞】",
                              "【刑冲合会】", "　2026年", "【流月】"}) {
    EXPECT_NE(placeKept.find(section), std::string::npos) << section;
  }
  const Page page = Answer("/chest/bz/bazi.asp", Fields(birth), "127.0.0.1:8123", ProgramSources());
  ASSERT_EQ(page.status, 200);
  const std::vector<std::string> lines = SplitLines(GbkToUtf8(page.body));
  EXPECT_EQ(lines[3], "<title>■八字准确测试打分■-vu姓名(127.0.0.1:8123)</title>");
  // The body as the browser writes it out starts at the body tag.
  const auto body = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("<body", 0) == 0; });
  ASSERT_NE(body, lines.end());
  const std::vector<std::string> bodyLines(body, lines.end() - 1);  // the last, empty piece after the final CR LF
  const int count = static_cast<int>(bodyLines.size());
  EXPECT_EQ(bodyLines[5].rfind("<table", 0), 0u);
  EXPECT_EQ(bodyLines[108], "</table>");
  EXPECT_EQ(bodyLines[113].rfind("<table", 0), 0u);
  EXPECT_EQ(bodyLines[count - 28], "</table>");
  std::string kept;
  for (int i = 5; i <= 108; ++i) kept += bodyLines[i];
  for (int i = 113; i <= count - 28; ++i) kept += bodyLines[i];
  EXPECT_NE(kept.find("<tr><td>天干</td><td>庚金</td><td>辛金</td><td>壬水</td><td>乙木</td></tr>"), std::string::npos);
  EXPECT_NE(kept.find("八字评分："), std::string::npos);
  for (const char* heading : {"【日主强弱】中和　帮身之力占全局35%", "【格局】偏印格", "取用之法：调候"}) {
    EXPECT_NE(kept.find(heading), std::string::npos) << heading;
  }
  EXPECT_NE(kept.find("<img src=\"images/metal.png\" width=\"212\""), std::string::npos);  // 金 2.6
  EXPECT_NE(kept.find("公历：1990年5月27日 11时（北京时间）　农历：庚午年 五月初四 巳时"), std::string::npos);
  EXPECT_EQ(kept.find("出生地"), std::string::npos);  // no place given
  EXPECT_EQ(kept.find("vu"), std::string::npos);  // the brand stays outside the kept lines
  EXPECT_EQ(kept.find("剖腹产"), std::string::npos);
}

TEST(BaziPages, TheScoreIsTheSumOfItsFourParts) {
  for (int hour : {0, 5, 11, 17, 23}) {
    const Page page = Answer("/chest/bz/bazi.asp", Fields("name=&sex=" + Utf8ToGbk("女") + "&y=1977&m=8&d=" +
                                                           std::to_string(hour + 1) + "&h=" + std::to_string(hour)),
                             "h", ProgramSources());
    ASSERT_EQ(page.status, 200);
    int total = -1, sum = 0, parts = 0;
    for (const std::string& line : SplitLines(GbkToUtf8(page.body))) {
      if (line.find("八字评分：") != std::string::npos) total = std::stoi(line.substr(line.find("：") + 3));
      for (const char* part : {"五行平衡", "日主强弱", "用神", "地支关系"}) {
        const std::string start = std::string("<tr><td>") + part + "</td><td>";
        if (line.rfind(start, 0) == 0) {
          sum += std::stoi(line.substr(start.size()));
          ++parts;
        }
      }
    }
    EXPECT_EQ(parts, 4);
    EXPECT_EQ(sum, total) << hour;
    EXPECT_GE(total, 0);
    EXPECT_LE(total, 100);
  }
}

TEST(BaziPages, TheLunarLineNamesALeapMonthInFull) {
  struct Case {
    const char *year, *month, *day;
    const char* lunar;
  };
  const Case cases[] = {
      {"2020", "5", "23", "农历：庚子年 闰四月初一 午时"},   // the first day of a leap month
      {"2020", "5", "22", "农历：庚子年 四月三十 午时"},     // the day before: the regular month
      {"2034", "1", "10", "农历：癸丑年 闰冬月二十 午时"},   // a leap eleventh month
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LineStarting(ReadingLines(Sizhu(c.year, c.month, c.day, "11")), "农历"), c.lunar) << c.year << c.month;
  }
}

}  // namespace
}  // namespace velmora::services
