#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "services/bazi_api.h"
#include "tests/services/service_fixture.h"

namespace velmora::services {
namespace {

using testing::ProgramSources;

// /api/bazi with UTF-8 parameters, as a program sends them.
Page Api(const std::multimap<std::string, std::string>& parameters) {
  return Answer("/api/bazi", parameters, "127.0.0.1:8000", ProgramSources());
}

// The documented fields of the chart, for a birth at a place and one without.
TEST(BaziApi, TheWholeChartAsJson) {
  const Page page = Api({{"birth", "2000-11-03"}, {"time", "12:30"}, {"place", "喀什"}, {"sex", "女"}});
  ASSERT_EQ(page.status, 200) << page.body;
  EXPECT_EQ(page.contentType, "application/json; charset=utf-8");
  const nlohmann::json chart = nlohmann::json::parse(page.body);
  EXPECT_EQ(chart["input"]["time"], "12:30");
  EXPECT_EQ(chart["input"]["place"]["name"], "喀什地区");
  EXPECT_EQ(chart["correction"]["trueSolar"], "2000-11-03 09:50:23");
  EXPECT_EQ(chart["correction"]["longitudeMinutes"], -176.04);
  EXPECT_EQ(chart["charted"]["instant"], "2000-11-03 12:30:00");
  std::string pillars;
  for (const auto& pillar : chart["pillars"]) pillars += pillar["name"].get<std::string>();
  EXPECT_EQ(pillars, "庚辰丙戌乙丑辛巳");
  EXPECT_TRUE(chart["pillars"][2]["stemGod"].is_null());  // the day master
  EXPECT_EQ(chart["pillars"][3]["hiddenStems"][0], (nlohmann::json{{"stem", "丙"}, {"qi", "本气"}, {"god", "伤官"}}));
  EXPECT_EQ(chart["palaces"]["taiYuan"]["pillar"], "丁丑");
  EXPECT_EQ(chart["luck"]["pillars"].size(), 8u);
  for (const auto& luck : chart["luck"]["pillars"]) {
    ASSERT_EQ(luck["years"].size(), 10u);
    EXPECT_EQ(luck["years"][0]["year"], luck["startYear"]);
    for (const auto& year : luck["years"]) EXPECT_GE(year["age"].get<int>(), 0);
  }
  EXPECT_EQ(chart["luck"]["beforeLuck"][0]["year"], 2000);
  EXPECT_EQ(chart["current"]["year"], 2026);
  EXPECT_EQ(chart["current"]["months"].size(), 12u);
  EXPECT_FALSE(chart["current"]["relations"].empty());
  EXPECT_EQ(chart["notes"][0].get<std::string>().rfind("本盘日柱、时柱按当地真太阳时", 0), 0u);
  // 乙 in 戌 with only 辰's 乙 (中气) to lean on, 9%: 从弱; 财 (3.4) leads 官杀 (3.35)
  // by too little to be followed alone: 从势格, 财 as 用神.
  const nlohmann::json& judgement = chart["judgement"];
  EXPECT_EQ(judgement["strength"]["score"], 9);
  EXPECT_EQ(judgement["strength"]["verdict"], "从弱");
  EXPECT_TRUE(judgement["strength"]["kind"].is_null());
  EXPECT_NE(judgement["strength"]["method"].get<std::string>().find("得地0.9分"), std::string::npos);
  EXPECT_EQ(judgement["strength"]["reasons"],
            (nlohmann::json{"日主通根于年支辰（中气乙木）。", "帮身之力在25%以内，地支无印比本气可依，判为从弱。"}));
  EXPECT_EQ(judgement["pattern"]["name"], "从势格");
  EXPECT_EQ(judgement["pattern"]["regular"], "七杀格");
  EXPECT_EQ(judgement["gods"]["useful"], "土");
  EXPECT_EQ(judgement["gods"]["favourable"], (nlohmann::json{"金", "火"}));
  EXPECT_EQ(judgement["gods"]["unfavourable"], (nlohmann::json{"木", "水"}));
  EXPECT_TRUE(judgement["gods"]["idle"].empty());
  EXPECT_EQ(judgement["gods"]["rule"], "从格");
  EXPECT_EQ(judgement["gods"]["reasons"].size(), 1u);
  // Every star names the rule's source.
  for (const auto& pillar : chart["pillars"]) {
    for (const auto& star : pillar["stars"]) EXPECT_FALSE(star["source"].get<std::string>().empty());
  }
  // Without minute and place: no correction, the hour as given.
  const nlohmann::json plain = nlohmann::json::parse(Api({{"birth", "1990-05-27"}, {"time", "11"}}).body);
  EXPECT_TRUE(plain["correction"].is_null());
  EXPECT_EQ(plain["input"]["time"], "11");
  EXPECT_EQ(plain["input"]["sex"], "男");
  EXPECT_EQ(plain["charted"]["instant"], "1990-05-27 10:00:00");  // daylight saving removed
  // A 专旺 chart names its kind: 壬子 壬子 癸酉 壬子 floods.
  const nlohmann::json flood = nlohmann::json::parse(Api({{"birth", "1972-12-08"}, {"time", "0"}}).body)["judgement"];
  EXPECT_EQ(flood["strength"]["verdict"], "专旺");
  EXPECT_EQ(flood["strength"]["kind"], "润下");
  EXPECT_EQ(flood["pattern"]["name"], "润下格");
  EXPECT_EQ(flood["gods"]["rule"], "专旺");
}

TEST(BaziApi, BadInputIsA400NamingTheField) {
  struct Case {
    std::multimap<std::string, std::string> parameters;
    const char* field;
    const char* message;
  };
  const Case cases[] = {
      {{}, "birth", "缺少参数 birth"},
      {{{"birth", "2101-01-01"}}, "birth", "参数 birth 应为 1 到 2100 年间实有的日期 yyyy-mm-dd"},
      {{{"birth", "2001-02-29"}}, "birth", "参数 birth 应为 1 到 2100 年间实有的日期 yyyy-mm-dd"},
      {{{"birth", "2001-2-28"}}, "birth", "参数 birth 应为 1 到 2100 年间实有的日期 yyyy-mm-dd"},
      {{{"birth", "2000-01-01"}, {"time", "12:60"}}, "time", "参数 time 应为 时 或 时:分（时 0 到 23，分 00 到 59）"},
      {{{"birth", "2000-01-01"}, {"time", "24"}}, "time", "参数 time 应为 时 或 时:分（时 0 到 23，分 00 到 59）"},
      {{{"birth", "2000-01-01"}, {"sex", "1"}}, "sex", "参数 sex 应为“男”或“女”"},
      {{{"birth", "2000-01-01"}, {"place", "亚特兰蒂斯"}}, "place", "参数 place 所填地名“亚特兰蒂斯”不在地名表中"},
      {{{"birth", "2000-01-01"}, {"place", "朝阳"}}, "province", "参数 place 所填地名“朝阳”有多处（北京、辽宁、吉林），请以参数 province 指明省份"},
      {{{"birth", "2000-01-01"}, {"place", std::string(10000, 'x')}}, "place", "参数 place 应为地名，不超过 64 字节"},
      {{{"birth", "2000-01-01"}, {"place", "\xE5\x96"}}, "place", "参数 place 不是 UTF-8 文字"},
      {{{"birth", "2000-01-01"}, {"pla\x80" "ce", "x"}}, "", "有参数名不是 UTF-8 文字"},
      {{{"birth", "2000-01-01"}, {"longitude", "-181"}}, "longitude", "参数 longitude 应为 -180 到 180 之间的经度（东经为正），如 116.4"},
      {{{"birth", "2000-01-01"}, {"longitude", "1e2"}}, "longitude", "参数 longitude 应为 -180 到 180 之间的经度（东经为正），如 116.4"},
  };
  for (const Case& c : cases) {
    const Page page = Api(c.parameters);
    EXPECT_EQ(page.status, 400) << c.message;
    EXPECT_EQ(page.contentType, "application/json; charset=utf-8");
    const nlohmann::json error = nlohmann::json::parse(page.body)["error"];
    EXPECT_EQ(error["field"], c.field) << c.message;
    EXPECT_EQ(error["message"], c.message);
  }
}

}  // namespace
}  // namespace velmora::services
