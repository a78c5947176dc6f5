#include "services/bazi_pages.h"

#include <stdexcept>

#include "calendar/sexagenary.h"
#include "online/bazi_readings.h"
#include "text/html_text.h"
#include "services/bazi_judgement_text.h"
#include "services/birth_fields.h"
#include "services/chart_text.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

const BirthFieldNames kSizhuFields = {"china95_year",  "china95_month",    "china95_day",    "china95_time",
                                      "china95_minute", "china95_place", "china95_province", "china95_longitude"};
const BirthFieldNames kScoreFields = {"y", "m", "d", "h", "minute", "place", "province", "longitude"};

const std::string kHead = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">";

const std::string& SexName(Sex sex) { return sex == Sex::Male ? "男"_gbk : "女"_gbk; }

// A line of the four-pillar reading: a fact of the chart, or a paragraph of
// the judgement's prose (set off on the page).
struct ReadingLine {
  std::string text;
  bool prose = false;
};

// The reading's lines: the chart's facts with the judgement's prose beside
// the facts it speaks of.
std::vector<ReadingLine> SizhuReading(const BaziChart& chart, const Sources& sources) {
  JudgementProse prose = JudgementProseOf(chart, sources);
  std::vector<ReadingLine> lines;
  auto facts = [&lines](std::vector<std::string> more) {
    for (std::string& line : more) lines.push_back({std::move(line)});
  };
  auto paragraphs = [&lines](std::vector<std::string> more) {
    for (std::string& line : more) lines.push_back({std::move(line), true});
  };
  facts(BirthLines(chart));
  facts(CorrectionLines(chart));
  facts(PillarLines(chart));
  facts(ElementLines(chart));
  facts({SeasonLine(chart)});
  paragraphs({std::move(prose.dayMaster)});
  facts({StrengthHeading(chart)});
  paragraphs({std::move(prose.strength)});
  facts({PatternHeading(chart)});
  paragraphs({std::move(prose.pattern)});
  facts({GodsHeading(chart)});
  paragraphs(std::move(prose.gods));
  facts({"【十神】"_gbk});
  paragraphs(std::move(prose.tenGods));
  facts(PalaceLines(chart));
  facts(StarLines(chart));
  facts(RelationLines(chart));
  paragraphs(std::move(prose.relations));
  facts({"【大运】"_gbk});
  facts(LuckLines(chart));
  if (prose.luck) paragraphs({std::move(*prose.luck)});
  facts({"【流年】"_gbk});
  if (prose.year) paragraphs({std::move(*prose.year)});
  facts(TimelineLines(chart));
  facts(MonthLines(chart));
  const std::vector<std::string> notes = NoteLines(chart);
  if (!notes.empty()) {
    facts({"【排盘提示】各家排法在此有分歧："_gbk});
    facts(notes);
  }
  return lines;
}

std::vector<std::string> PageHead(const std::string& title) {
  return {"<html>", "<head>", kHead, "<title>" + title + "</title>",
          "<style>body{font-family:\"Noto Serif CJK SC\",serif;font-size:14px;color:#3b2a1a;background:#fbf8f1}"
          " div{line-height:1.8} .banner{font-size:20px;color:#7a1f1f;font-weight:bold} .prose{text-indent:2em}</style>",
          "</head>"};
}

// The score page's chart table, opening with the birth's date (and place):
// exactly kScoreTableLines lines.
std::vector<std::string> ScoreTable(const BaziChart& chart) {
  std::vector<std::string> rows = {"<table width=\"560\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"};
  auto row = [&rows](const std::string& head, const std::array<std::string, 4>& cells) {
    std::string line = "<tr><td>" + head + "</td>";
    for (const std::string& cell : cells) line += "<td>" + cell + "</td>";
    rows.push_back(line + "</tr>");
  };
  auto wide = [&rows](const std::string& text) {
    rows.push_back("<tr><td colspan=\"5\"><font size=\"2\">" + text + "</font></td></tr>");
  };
  // The birth first: the lines above the table are not kept.
  const std::string lunar = LunarText(chart);
  wide("公历："_gbk + ClockText(chart) + (lunar.empty() ? "" : "　农历："_gbk + lunar));
  if (chart.correction) {
    wide("出生地："_gbk + PlaceText(chart) + "　真太阳时："_gbk + MomentText(chart.correction->trueSolar));
  }
  std::array<std::string, 4> gods, stems, branches, hidden, stages, nayin;
  for (std::size_t i = 0; i < 4; ++i) {
    const ChartColumn& column = chart.columns[i];
    gods[i] = column.stemGod ? TenGodName(*column.stemGod) : "日主"_gbk;
    stems[i] = StemText(column.pillar.stem);
    branches[i] = EarthlyBranch(column.pillar.branch) + ElementName(BranchElement(column.pillar.branch));
    hidden[i] = HiddenStemsText(column);
    stages[i] = GrowthStageName(column.stage);
    nayin[i] = column.nayin;
  }
  row("　"_gbk, {PillarPositionName(PillarPosition::Year), PillarPositionName(PillarPosition::Month),
                PillarPositionName(PillarPosition::Day), PillarPositionName(PillarPosition::Hour)});
  row("十神"_gbk, gods);
  row("天干"_gbk, stems);
  row("地支"_gbk, branches);
  row("藏干"_gbk, hidden);
  row("长生"_gbk, stages);
  row("纳音"_gbk, nayin);
  wide("旬空："_gbk + EarthlyBranch(chart.emptyBranches[0]) + EarthlyBranch(chart.emptyBranches[1]) + "　五行力量："_gbk +
       ElementWeightsText(chart));
  wide("月令："_gbk + SeasonStatesText(chart) + "　日主"_gbk + StemText(chart.dayMaster));
  wide(StrengthHeading(chart));
  wide(PatternHeading(chart));
  wide(GodsHeading(chart));
  rows.push_back("<tr><th colspan=\"5\">八字评分："_gbk + std::to_string(chart.score.total) + "分（满分一百）</th></tr>"_gbk);
  for (const ScoreItem& item : chart.score.items) {
    rows.push_back("<tr><td>" + ScorePartName(item.part) + "</td><td>" + std::to_string(item.points) + "/" +
                   std::to_string(item.maxPoints) + "</td><td colspan=\"3\"><font size=\"2\">" +
                   ScoreReasonText(item.reason) + "</font></td></tr>");
  }
  for (const BranchRelation& relation : chart.relations) {
    std::string where;
    for (const PillarPosition position : relation.positions) where += PillarPositionName(position);
    wide("地支"_gbk + BranchRelationName(relation.kind) + "："_gbk + where);
  }
  const char* const method[] = {
      "评分方法：五行平衡三十分，以八分五行力量与各一分六的均分相比，偏差越大分越少；",
      "日主强弱三十分，帮身之力越接近中和之中（四成）分越高；用神二十分，透于年月时干得十分，",
      "为地支本气再得十分，只藏于中气、余气得五分；地支关系二十分，基数十二分，",
      "每一六合加三分、每一三合加五分、每一六冲减五分，限于零至二十分。",
  };
  for (const char* line : method) wide(Utf8ToGbk(line));
  for (const std::string& line : NoteLines(chart)) wide(line);
  if (rows.size() + 1 > kScoreTableLines) throw std::logic_error("the score table outgrew its lines");
  rows.resize(kScoreTableLines - 1);  // blank lines keep the table's place
  rows.push_back("</table>");
  return rows;
}

// The judgement in prose and the whole chart beyond the score: the time
// correction, 胎元/命宫/身宫, 神煞, relations, luck, years and months, one wide
// row per paragraph or line; it follows the bars, inside the lines the program keeps.
std::vector<std::string> WholeChartTable(const BaziChart& chart, const Sources& sources) {
  std::vector<std::string> rows = {"<table width=\"560\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"};
  rows.push_back("<tr><th>命理断语</th></tr>"_gbk);  // not in the braces above: clang 14 crashes on a GBK literal there
  for (const std::string& paragraph : JudgementProseOf(chart, sources).Paragraphs()) {
    rows.push_back("<tr><td class=\"prose\"><font size=\"2\">" + HtmlEscape(paragraph) + "</font></td></tr>");
  }
  for (const std::vector<std::string>& section :
       {CorrectionLines(chart), PalaceLines(chart), StarLines(chart), RelationLines(chart), TimelineLines(chart),
        MonthLines(chart)}) {
    for (const std::string& line : section) {
      rows.push_back("<tr><td><font size=\"2\">" + HtmlEscape(line) + "</font></td></tr>");
    }
  }
  rows.push_back("</table>");
  return rows;
}

// The element bars: one picture per element, as long as its weight.
std::vector<std::string> ElementBars(const BaziChart& chart) {
  static const char* const kPictures[5] = {"metal", "wood", "water", "fire", "earth"};
  // Pushed one by one: clang 14 crashes on a GBK literal inside this braced list.
  std::vector<std::string> rows;
  rows.push_back("<table width=\"560\" border=\"0\" cellspacing=\"2\" cellpadding=\"2\">");
  rows.push_back("<tr><th colspan=\"3\">五行力量图（含藏干，合计八分）</th></tr>"_gbk);
  for (std::size_t e = 0; e < 5; ++e) {
    const int tenths = chart.elementTenths[e];
    rows.push_back("<tr><td>" + ElementName(static_cast<Element>(e)) + "</td><td><img src=\"images/" +
                   kPictures[e] + ".png\" width=\"" + std::to_string(4 + tenths * 8) + "\" height=\"14\" alt=\"" +
                   ElementName(static_cast<Element>(e)) + "\"></td><td>" + TenthsText(tenths) + "</td></tr>");
  }
  rows.push_back("</table>");
  return rows;
}

}  // namespace

std::vector<Route> BaziRoutes() { return {{"/bazi/sizhu.asp", SizhuPage}, {"/chest/bz/bazi.asp", BaziScorePage}}; }

Page SizhuPage(const Query& query, const Sources& sources) {
  BirthInput birth = ReadBirth(query, kSizhuFields, sources.Folder());
  birth.sex = ReadSexDigit(query, "sex");
  const BaziChart chart = ChartOfBirth(birth, sources.Now());
  std::vector<std::string> lines = PageHead(SizhuAnswerTitle());
  lines.push_back("<body>");
  lines.push_back("<div class=\"banner\">" + SizhuAnswerTitle() + "</div>");
  // The marker ends in a blank, which only preformatted text keeps.
  lines.push_back("<div style=\"white-space:pre\">" + SizhuStartMarker() + "</div>");
  lines.push_back(chart.correction
                      ? "<div>Velmora 四柱排盘：节气按太阳视黄经推算到秒，日柱、时柱按当地真太阳时排盘。</div>"_gbk
                      : "<div>Velmora 四柱排盘：节气按太阳视黄经推算到秒，按北京标准时间排盘。</div>"_gbk);
  for (const ReadingLine& line : SizhuReading(chart, sources)) {
    lines.push_back((line.prose ? "<div class=\"prose\">" : "<div>") + HtmlEscape(line.text) + "</div>");
  }
  lines.push_back("<div>" + SizhuEndMarker() + "</div>");
  lines.push_back("</body></html>");
  return HtmlPage(lines);
}

Page BaziScorePage(const Query& query, const Sources& sources) {
  const std::string name = query.Text("name");
  const Sex sex = ReadSexWord(query, "sex");
  BirthInput birth = ReadBirth(query, kScoreFields, sources.Folder());
  birth.sex = sex;
  const BaziChart chart = ChartOfBirth(birth, sources.Now());
  const std::string host = HtmlEscape(query.Host());
  std::vector<std::string> lines = PageHead(BaziScoreAnswerTitle(host));
  // Body lines as the browser writes the body out: line 0 holds the body tag.
  lines.push_back("<body bgcolor=\"#fbf8f1\">");
  lines.push_back("<div class=\"banner\">■八字准确测试打分■</div>"_gbk);
  lines.push_back("<div>vu姓名 "_gbk + host + "</div>");
  lines.push_back("<div>姓名："_gbk + (name.empty() ? "（未填）"_gbk : HtmlEscape(name)) + "　性别："_gbk + SexName(sex) +
                  "</div>");
  lines.push_back("<div>&nbsp;</div>");  // the birth's date stands in the table, where the program keeps it
  for (std::string& line : ScoreTable(chart)) lines.push_back(std::move(line));
  lines.push_back("<div>本站提供专业准确的“剖腹产择日”服务[点击查看“剖腹产择日”内容]</div>"_gbk);
  lines.push_back("<div>以上评分只论八字本身的五行配合，不论吉凶祸福。</div>"_gbk);
  lines.push_back("<div>&nbsp;</div>");
  lines.push_back("<div>&nbsp;</div>");
  for (std::string& line : ElementBars(chart)) lines.push_back(std::move(line));
  for (std::string& line : WholeChartTable(chart, sources)) lines.push_back(std::move(line));
  // The last lines the program drops: a quiet footer.
  lines.push_back("<div>&nbsp;</div>");
  lines.push_back("<div><font size=\"2\">Velmora 八字评分 · 同一生辰每次结果相同</font></div>"_gbk);
  for (int i = 2; i < kScoreLinesAfter - 1; ++i) lines.push_back("<div></div>");
  lines.push_back("</body></html>");
  return HtmlPage(lines);
}

}  // namespace velmora::services
