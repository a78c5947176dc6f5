#include <gtest/gtest.h>

#include <algorithm>

#include "online/line_buffer.h"
#include "services/name_chart.h"
#include "services/name_pages.h"
#include "services/name_score.h"
#include "services/name_sound.h"
#include "services/routes.h"
#include "services/static_files.h"
#include "tests/services/service_fixture.h"
#include "text/gbk.h"
#include "text/html_text.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;
using testing::QueryOf;

// The page's lines as the score window cuts them (GBK).
std::vector<std::string> FileLines(const Page& page) {
  LineBuffer lines;
  lines.SetText(page.body);
  return lines.Lines();
}

std::string Unescaped(std::string text) {
  for (const auto& [entity, character] : {std::pair<std::string, std::string>{"&lt;", "<"}, {"&gt;", ">"},
                                          {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;) text.replace(at, entity.size(), character);
  }
  return text;
}

// The detail page's body text as the browser reads it (UTF-8): the lines of
// its one preformatted block.
std::vector<std::string> DetailText(const Page& page) {
  const std::vector<std::string> lines = FileLines(page);
  const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("<pre"); });
  std::vector<std::string> text;
  for (auto line = first + 1; line != lines.end(); ++line) {
    const std::size_t end = line->find("</pre>");
    text.push_back(GbkToUtf8(Unescaped(line->substr(0, end))));
    if (end != std::string::npos) break;
  }
  return text;
}

int Score(const char* name) {
  const NameChart chart = ChartFullName(Utf8ToGbk(name), ProgramSources());
  const std::optional<NameScore> score = ScoreName(chart, JudgeSound(chart.characters));
  return score ? score->total : -1;
}

TEST(NamePages, ScoresOfAReviewedListOfNames) {
  struct Case {
    const char* name;
    int score;
  };
  const Case cases[] = {
      {"毛泽东", 77},  // 人格 21, 地格 25, 总格 29 all 吉; 三才 土木土 大凶
      {"周恩来", 70},
      {"孙中山", 66},
      {"鲁迅", 86},  // a one-character given name: 外格 is the set 2
      {"李白", 52},
      {"杜甫", 50},
      {"王羲之", 57},  // 羲 is of GB2312 level 2
      {"诸葛亮", 73},  // compound surname, 葛 read gé
      {"司马迁", 61},
      {"欧阳修", 65},
      {"上官婉儿", 50},  // compound surname and a two-character given name
      {"成龙", 81},
      {"刘德华", 54},
      {"姚明", 80},
      {"邓丽君", 74},
      {"林徽因", 91},
      {"钱学森", 65},
      {"屠呦呦", 48},  // 呦呦: level 2 twice, and alike in sound
      {"袁隆平", 60},
      {"曹雪芹", 82},
      {"苏轼", 83},
      {"岳飞", 83},
      {"关羽", 86},
      {"张三丰", 73},  // three characters in one tone
      {"令狐冲", 63},
      {"东方不败", 71},
      {"慕容复", 73},
      {"皇甫嵩", 49},
      {"单田芳", 79},  // 单 read shàn as a surname
      {"曾国藩", 74},  // 曾 read zēng as a surname
      {"王伟", 74},
      {"李娜", 86},
      {"张敏", 51},
      {"刘洋", 83},
      {"陈静", 84},
      {"杨帆", 58},
      {"黄丽", 83},
      {"吴婷婷", 67},
      {"王晓明", 57},
      {"李明亮", 90},
      {"张伟", 51},
      {"王芳", 61},
      {"王喆", 90},  // 喆 lies outside GB2312
      {"李堃", 70},
      {"王犇", 93},
      {"刘翀", 82},
      {"朱镕基", 73},
      {"马云", 63},
      {"龚琳娜", 100},  // every grid 吉, 三才 大吉, tones 平平仄
      {"欧阳娜娜", 62},
      {"张三", 50},
  };
  for (const Case& c : cases) EXPECT_EQ(Score(c.name), c.score) << c.name;
}

TEST(NamePages, ANameThatCannotBeChartedHasNoScore) {
  for (const char* name : {"张", "欧阳", "张a", "<b>", "张三李四王", ""}) EXPECT_EQ(Score(name), -1) << name;
}

TEST(NamePages, TheScorePageKeepsItsScoreBetweenLine70AndCountMinus90) {
  for (const auto& [surname, given] : std::vector<std::pair<const char*, const char*>>{
           {"毛", "泽东"}, {"欧阳", "明月"}, {"", ""}, {"<b>", "%&#\"'"}, {"张", "三"}}) {
    const std::vector<std::string> lines =
        FileLines(NameScorePage(QueryOf({{"youname1", surname}, {"youname2", given}}), ProgramSources()));
    ASSERT_GE(lines.size(), 160u) << surname;
    const std::size_t last = lines.size() - 90;
    EXPECT_TRUE(lines[70].starts_with("<div style=\"margin:10px 20px")) << surname;
    EXPECT_EQ(lines[last], "</div>") << surname;
    const auto legend = std::find(lines.begin(), lines.end(), Utf8ToGbk("<div class=\"legend\"><div>八十一数理吉凶一览</div>"));
    EXPECT_GT(legend - lines.begin(), static_cast<long>(last)) << surname;
    EXPECT_EQ(lines.back(), "</html>");
    std::string cut;
    for (std::size_t i = 70; i <= last; ++i) cut += GbkToUtf8(lines[i]) + "\n";
    EXPECT_EQ(cut.find("width="), std::string::npos) << surname;
  }
}

TEST(NamePages, TheScorePageBreaksTheScoreDown) {
  const std::string page = GbkToUtf8(
      NameScorePage(QueryOf({{"youname1", "毛"}, {"youname2", "泽东"}}), ProgramSources()).body);
  for (const char* part : {
           "【毛泽东】姓名评分：<font color=\"#c0392b\">77</font>分（中上）",
           "<tr><td>泽</td><td>澤</td><td>17</td><td>zé</td><td>阳平（平）</td><td>水（字义）</td><td>常用</td></tr>",
           "<tr><td>人格</td><td>20</td><td>20</td><td>21（吉）</td></tr>",
           "<tr><td>外格</td><td>2</td><td>10</td><td>9（凶）</td></tr>",
           "<tr><td>三才</td><td>2</td><td>15</td><td>土木土（大凶）</td></tr>",
           "<tr><td>音律</td><td>8</td><td>10</td><td>平平平</td></tr>",
           "<tr><td>合计</td><td>77</td><td>100</td><td>中上</td></tr>",
           "<div>三字皆为平声，读来少抑扬。</div>",
           "评分满分100分：人格20分、地格15分、外格10分、总格20分、三才15分、音律10分、用字10分。",
           "<tr><td>81</td><td>",
       }) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }
}

TEST(NamePages, TheDetailStandsWhereTheNameReadingTakesIt) {
  for (const char* name : {"张三丰", "欧阳娜娜", "<i>李%", "李"}) {
    const Page page = NameDetailPage(QueryOf({{"st", "2"}, {"word", name}, {"FrontType", "1"}, {"submit1", ""}}),
                                     ProgramSources());
    EXPECT_NE(GbkToUtf8(page.body).find("<title>" + GbkToUtf8(HtmlEscape(Utf8ToGbk(name))) + "的姓名测试结果</title>"),
              std::string::npos);
    const std::vector<std::string> text = DetailText(page);
    const auto marker = std::find(text.begin(), text.end(), "按下面方式开始测试");
    ASSERT_NE(marker, text.end()) << name;
    const int k = static_cast<int>(marker - text.begin());
    const int count = static_cast<int>(text.size());
    EXPECT_TRUE(text[15].starts_with("【姓名评分】")) << name;
    EXPECT_LT(std::find(text.begin(), text.end(), "　　三、各字五行与生僻字提示。") - text.begin(), 15) << name;
    EXPECT_EQ(text[k - 3], "") << name;
    EXPECT_NE(text[k - 4], "") << name;
    EXPECT_EQ(text[k + 4], "") << name;
    EXPECT_EQ(text[k + 5], "【读音声调】") << name;
    EXPECT_NE(text[count - 8], "") << name;
    EXPECT_EQ(text[count - 7], "") << name;
    EXPECT_EQ(text.back(), "Velmora 应答服务") << name;
  }
}

TEST(NamePages, TheDetailSaysWhatTheLocalPageDoesNot) {
  const std::vector<std::string> text =
      DetailText(NameDetailPage(QueryOf({{"word", "单田芳"}}), ProgramSources()));
  for (const char* line : {"姓：单（单姓）　名：田芳", "【姓名评分】79分（中上），满分100分。",
                           "　　外格：得10分，满分10分　依据：11（吉）", "　　单 shàn 去声（仄）",
                           "　　平仄：仄平平", "　　芳　康熙笔画10　五行木（字义）　常用",
                           "　　用字都在3755个常用字之内，书写、录入都方便。"}) {
    EXPECT_NE(std::find(text.begin(), text.end(), line), text.end()) << line;
  }
}

TEST(NamePages, TheTestPageCarriesWhatTheTestWindowReplaces) {
  const std::string page = GbkToUtf8(
      XingjiaTestPage(QueryOf({{"R1", "2"}, {"Name1", "張"}, {"Name2", "曉明"}}), ProgramSources()).body);
  for (const char* part : {
           "<title>Document Title</title>",
           "<img src=\"1.jpg\" width=\"680\" height=\"115\">",
           "<img border=\"0\" src=\"23.jpg\" width=\"680\" height=\"115\">",
           "<table width=\"700\" ",
           "姓名：<b>張曉明</b>（坤造，女）",
           "筆畫（以繁體康熙字典計）：張11畫　曉16畫　明8畫",
           "<tr><td>人格</td><td>27</td><td>金</td><td>（我）</td><td>自身</td></tr>",
           "<tr><td>天格</td><td>12</td><td>木</td><td>我剋</td><td>長上</td></tr>",  // 金 overcomes 木
           "<tr><td>地格</td><td>24</td><td>火</td><td>剋我</td><td>配偶子女</td></tr>",  // 火 overcomes 金
           "<tr><td>外格</td><td>9</td><td>水</td><td>我生</td><td>朋友外緣</td></tr>",  // 金 gives birth to 水
           "<tr><td>總格</td><td>35</td><td>土</td><td>生我</td><td>晚年</td></tr>",  // 土 gives birth to 金
           "<b>總格（晚年）：生我</b><br>總格生人格，晚景順遂",
       }) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(page.find("超準形家姓名學論斷"), page.rfind("超準形家姓名學論斷"));
  EXPECT_NE(page.find("超準形家姓名學論斷"), std::string::npos);
  const std::string male =
      GbkToUtf8(XingjiaTestPage(QueryOf({{"R1", "1"}, {"Name1", "王"}, {"Name2", ""}}), ProgramSources()).body);
  EXPECT_NE(male.find("（乾造，男）"), std::string::npos);
  EXPECT_NE(male.find("此姓名無法排出五格"), std::string::npos);
}

TEST(NamePages, HostileNamesComeBackAsTextOnly) {
  const char* const names[] = {"<script>alert(1)</script>", "\"'%25%", "<img src=x onerror=alert(1)>", "Robert'); --",
                               "a&b#c"};
  for (const char* name : names) {
    for (const Page& page : {NameScorePage(QueryOf({{"youname1", name}, {"youname2", name}}), ProgramSources()),
                             NameDetailPage(QueryOf({{"word", name}}), ProgramSources()),
                             XingjiaTestPage(QueryOf({{"R1", "1"}, {"Name1", name}, {"Name2", name}}), ProgramSources())}) {
      EXPECT_EQ(page.status, 200);
      const std::string body = GbkToUtf8(page.body);
      for (const char* markup : {"<script", "<img src=x"}) {
        EXPECT_EQ(body.find(markup), std::string::npos) << name;
      }
    }
    const std::vector<std::string> text = DetailText(NameDetailPage(QueryOf({{"word", name}}), ProgramSources()));
    EXPECT_EQ(text[4], "【" + std::string(name) + "】的姓名测试结果") << name;
  }
}

TEST(NamePages, RequestsTheServiceCannotReadGetThe400Page) {
  struct Case {
    const char* path;
    std::multimap<std::string, std::string> parameters;  // GBK as sent
    const char* message;
  };
  const Case cases[] = {
      {"/s", {{"word", "\x81"}}, "参数 word 不是 GBK 文字"},  // a lead byte alone
      {"/s", {{"word", "\xD5\xC5\xFF"}}, "参数 word 不是 GBK 文字"},
      {"/s", {{"word", ""}}, "参数 word 不能为空"},
      {"/s", {}, "缺少参数 word"},
      {"/s", {{"word", std::string(33, 'a')}}, "参数 word 超过 32 字节"},
      {"/ceming/cmjg-mz.asp", {{"youname1", "\xB0"}, {"youname2", "a"}}, "参数 youname1 不是 GBK 文字"},
      {"/ceming/cmjg-mz.asp", {{"youname1", "a"}}, "缺少参数 youname2"},
      {"/xingjia/test.asp", {{"R1", "3"}, {"Name1", "a"}, {"Name2", "b"}}, "参数 R1 应为 1 到 2 之间的整数"},
      {"/xingjia/test.asp", {{"R1", "1"}, {"Name1", "a\tb"}, {"Name2", "b"}}, "参数 Name1 含有控制字符"},
  };
  for (const Case& c : cases) {
    const Page page = Answer(c.path, c.parameters, "h", ProgramSources());
    EXPECT_EQ(page.status, 400) << c.message;
    EXPECT_NE(GbkToUtf8(page.body).find(c.message), std::string::npos) << c.message;
  }
}

TEST(NamePages, TheTestPagesPicturesAre680By115AndServedAsTheyAre) {
  for (const char* path : {"/xingjia/1.jpg", "/xingjia/23.jpg"}) {
    const std::optional<Page> picture = StaticFile(ProgramSources().Folder(), path);
    ASSERT_TRUE(picture) << path;
    EXPECT_EQ(picture->contentType, "image/jpeg");
    const std::string& jpeg = picture->body;
    ASSERT_TRUE(jpeg.starts_with("\xFF\xD8")) << path;
    // The size stands in the frame header: FF C0, length, precision, height, width.
    const std::size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos) << path;
    auto word = [&](std::size_t at) {
      return static_cast<unsigned char>(jpeg[at]) * 256 + static_cast<unsigned char>(jpeg[at + 1]);
    };
    EXPECT_EQ(word(frame + 5), 115) << path;
    EXPECT_EQ(word(frame + 7), 680) << path;
  }
}

}  // namespace
}  // namespace velmora::services
