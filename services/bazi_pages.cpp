#include "services/bazi_pages.h"

#include <stdexcept>

#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"
#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "online/bazi_readings.h"
#include "text/html_text.h"
#include "services/birth_fields.h"
#include "services/chart_text.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

const std::string kHead = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">";

// A prose text of services.db by its key columns (GBK keys).
const std::string& Prose(const Sources& sources, const std::string& table, const std::vector<std::string>& keys) {
  const Table& rows = sources.TableNamed(table);
  for (const auto& row : rows.Rows()) {
    if (row.size() > keys.size() && std::equal(keys.begin(), keys.end(), row.begin())) return row[keys.size()];
  }
  throw std::runtime_error("services.db: " + table + " has no text for " + GbkToUtf8(keys.front()));
}

const std::string& SexName(Sex sex) { return sex == Sex::Male ? "男"_gbk : "女"_gbk; }

std::string ClockText(const BaziChart& chart) {
  const CivilDate& date = chart.clock.date;
  return std::to_string(date.year) + "年"_gbk + std::to_string(date.month) + "月"_gbk + std::to_string(date.day) +
         "日 "_gbk + std::to_string(chart.clock.hour) + "时（北京时间）"_gbk;
}

std::string LunarText(const BaziChart& chart) {
  const std::optional<LunarDate> lunar = SolarToLunar(chart.clock.date);
  if (!lunar) return {};
  return BirthYearCycle(chart.clock).yearName + " "_gbk + FullLunarMonthText(lunar->month, lunar->leap) +
         LunarDayText(lunar->day) + " "_gbk + EarthlyBranch(chart.pillars.hour.branch) + "时"_gbk;
}

// The relation of an element to the day master in the words of the ten gods.
std::string UsefulText(const BaziChart& chart, Element element) {
  static const std::array<std::string, 5> relations = {"比劫"_gbk, "食伤"_gbk, "财星"_gbk, "官杀"_gbk, "印星"_gbk};
  const Element self = StemElement(chart.dayMaster);
  return ElementName(element) + "（"_gbk + relations[static_cast<std::size_t>(RelationOf(self, element))] + "）"_gbk;
}

// The strength's conclusion as the prose names it: 中和 within five of the line.
std::string StrengthConclusion(const DayMasterStrength& strength) {
  if (strength.score >= 45 && strength.score <= 55) return "中和"_gbk;
  return StrengthName(strength.strong);
}

// The reading's lines, each a line of the page's text.
std::vector<std::string> SizhuReading(const BaziChart& chart, const Sources& sources) {
  std::vector<std::string> lines;
  auto add = [&lines](std::string line) { lines.push_back(std::move(line)); };
  const YearCycle cycle = BirthYearCycle(chart.clock);
  add("【命主】"_gbk + (chart.sex == Sex::Male ? "乾造（男）"_gbk : "坤造（女）"_gbk));
  add("公历："_gbk + ClockText(chart));
  add("农历："_gbk + LunarText(chart));
  add("生肖：属"_gbk + cycle.animal + "　星座："_gbk + StarSignOfDate(chart.clock.date.month, chart.clock.date.day));
  if (chart.charted.time != chart.clock) add("排盘时间（北京标准时间）："_gbk + MomentText(chart.charted.time));
  add("【四柱】"_gbk + PillarText(chart.pillars.year) + " " + PillarText(chart.pillars.month) + " " +
      PillarText(chart.pillars.day) + " " + PillarText(chart.pillars.hour) + "　日主："_gbk + StemText(chart.dayMaster));
  for (const PillarPosition position : kPillarPositions) {
    const ChartColumn& column = chart.columns[static_cast<std::size_t>(position)];
    add(PillarPositionName(position) + "："_gbk + PillarText(column.pillar) + "　天干十神："_gbk +
        (column.stemGod ? TenGodName(*column.stemGod) : "日主"_gbk) + "　纳音："_gbk + column.nayin);
    add("　藏干："_gbk + HiddenStemsText(column) + "　日主在此："_gbk + GrowthStageName(column.stage));
  }
  add("旬空："_gbk + EarthlyBranch(chart.emptyBranches[0]) + EarthlyBranch(chart.emptyBranches[1]) + "（日柱"_gbk +
      PillarText(chart.pillars.day) + "所在之旬）"_gbk);
  add("【五行力量】"_gbk + ElementWeightsText(chart));
  add("（天干各计一分，地支计一分并按藏干本气、中气、余气分得十分之十、七三或六三一，合计八分）"_gbk);
  add("【月令】生于"_gbk + EarthlyBranch(chart.pillars.month.branch) + "月："_gbk + SeasonStatesText(chart));
  add(Prose(sources, "bazi_seasons", {EarthlyBranch(chart.pillars.month.branch)}));
  const DayMasterStrength& strength = chart.strength;
  add("【日主强弱】帮身之力（印星与比劫）占全局"_gbk + std::to_string(strength.score) + "%，判为"_gbk +
      StrengthName(strength.strong) + (StrengthConclusion(strength) == "中和"_gbk ? "，接近中和"_gbk : "") + "。"_gbk);
  add("（月令计三分，日支计一分半，其余各干支计一分，日干本身不计；帮身之力过半为身强）"_gbk);
  add(Prose(sources, "bazi_day_master", {HeavenlyStem(chart.dayMaster), StrengthName(strength.strong)}));
  add("【喜用神】用神："_gbk + UsefulText(chart, strength.useful) + "　喜神："_gbk + UsefulText(chart, strength.favourable));
  add(Prose(sources, "bazi_strength_notes", {StrengthConclusion(strength)}));
  add(Prose(sources, "bazi_useful_elements", {ElementName(strength.useful)}));
  add("【十神】"_gbk);
  std::vector<TenGod> seen;
  for (const PillarPosition position : kPillarPositions) {
    const auto& god = chart.columns[static_cast<std::size_t>(position)].stemGod;
    if (!god || std::find(seen.begin(), seen.end(), *god) != seen.end()) continue;
    seen.push_back(*god);
    add(TenGodName(*god) + "（"_gbk + PillarPositionName(position) + "）："_gbk + Prose(sources, "bazi_ten_gods", {TenGodName(*god)}));
  }
  add("【大运】"_gbk);
  for (std::string& line : LuckLines(chart)) add(std::move(line));
  add("【流年】"_gbk);
  for (std::string& line : YearLines(chart)) add(std::move(line));
  const std::vector<std::string> notes = NoteLines(chart);
  if (!notes.empty()) {
    add("【排盘提示】各家排法在此有分歧："_gbk);
    for (const std::string& note : notes) add(note);
  }
  return lines;
}

std::vector<std::string> PageHead(const std::string& title) {
  return {"<html>", "<head>", kHead, "<title>" + title + "</title>",
          "<style>body{font-family:\"Noto Serif CJK SC\",serif;font-size:14px;color:#3b2a1a;background:#fbf8f1}"
          " div{line-height:1.8} .banner{font-size:20px;color:#7a1f1f;font-weight:bold}</style>",
          "</head>"};
}

// The score page's chart table: exactly kScoreTableLines lines.
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
  wide("月令："_gbk + SeasonStatesText(chart) + "　日主"_gbk + StemText(chart.dayMaster) + "帮身之力"_gbk +
       std::to_string(chart.strength.score) + "%，"_gbk + StrengthName(chart.strength.strong) + "　用神"_gbk +
       ElementName(chart.strength.useful) + "　喜神"_gbk + ElementName(chart.strength.favourable));
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
      "日主强弱三十分，帮身之力越接近一半分越高；用神二十分，透于年月时干得十分，",
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
  const BirthFields birth = ReadBirth(query, "china95_year", "china95_month", "china95_day", "china95_time");
  const BaziChart chart = ChartOf(birth.date, birth.hour, ReadSexDigit(query, "sex"), CurrentYearUtc8(sources.Now()));
  std::vector<std::string> lines = PageHead(SizhuAnswerTitle());
  lines.push_back("<body>");
  lines.push_back("<div class=\"banner\">" + SizhuAnswerTitle() + "</div>");
  // The marker ends in a blank, which only preformatted text keeps.
  lines.push_back("<div style=\"white-space:pre\">" + SizhuStartMarker() + "</div>");
  lines.push_back("<div>Velmora 四柱排盘：节气按太阳视黄经推算到秒，按北京标准时间排盘。</div>"_gbk);
  for (const std::string& line : SizhuReading(chart, sources)) lines.push_back("<div>" + HtmlEscape(line) + "</div>");
  lines.push_back("<div>" + SizhuEndMarker() + "</div>");
  lines.push_back("</body></html>");
  return HtmlPage(lines);
}

Page BaziScorePage(const Query& query, const Sources& sources) {
  const std::string name = query.Text("name");
  const Sex sex = ReadSexWord(query, "sex");
  const BirthFields birth = ReadBirth(query, "y", "m", "d", "h");
  const BaziChart chart = ChartOf(birth.date, birth.hour, sex, CurrentYearUtc8(sources.Now()));
  const std::string host = HtmlEscape(query.Host());
  std::vector<std::string> lines = PageHead(BaziScoreAnswerTitle(host));
  // Body lines as the browser writes the body out: line 0 holds the body tag.
  lines.push_back("<body bgcolor=\"#fbf8f1\">");
  lines.push_back("<div class=\"banner\">■八字准确测试打分■</div>"_gbk);
  lines.push_back("<div>vu姓名 "_gbk + host + "</div>");
  lines.push_back("<div>姓名："_gbk + (name.empty() ? "（未填）"_gbk : HtmlEscape(name)) + "　性别："_gbk + SexName(sex) +
                  "</div>");
  lines.push_back("<div>公历"_gbk + ClockText(chart) + "　农历"_gbk + LunarText(chart) + "</div>");
  for (std::string& line : ScoreTable(chart)) lines.push_back(std::move(line));
  lines.push_back("<div>本站提供专业准确的“剖腹产择日”服务[点击查看“剖腹产择日”内容]</div>"_gbk);
  lines.push_back("<div>以上评分只论八字本身的五行配合，不论吉凶祸福。</div>"_gbk);
  lines.push_back("<div>&nbsp;</div>");
  lines.push_back("<div>&nbsp;</div>");
  for (std::string& line : ElementBars(chart)) lines.push_back(std::move(line));
  // The last lines the program drops: a quiet footer.
  lines.push_back("<div>&nbsp;</div>");
  lines.push_back("<div><font size=\"2\">Velmora 八字评分 · 同一生辰每次结果相同</font></div>"_gbk);
  for (int i = 2; i < kScoreLinesAfter - 1; ++i) lines.push_back("<div></div>");
  lines.push_back("</body></html>");
  return HtmlPage(lines);
}

}  // namespace velmora::services
