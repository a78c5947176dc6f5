#include "services/name_pages.h"

#include <array>
#include <stdexcept>

#include "services/name_chart.h"
#include "services/name_score.h"
#include "services/name_sound.h"
#include "services/name_verdicts.h"
#include "services/xingjia_reading.h"
#include "text/gbk.h"
#include "text/html_text.h"

namespace velmora::services {
namespace {

// Longer name parts are no names; the pages would only repeat them.
constexpr std::size_t kLongestNamePart = 32;

std::string NamePart(const Query& query, const std::string& parameter) {
  std::string text = query.Text(parameter);
  if (text.size() > kLongestNamePart) {
    throw BadRequest("参数 " + parameter + " 超过 " + std::to_string(kLongestNamePart) + " 字节");
  }
  return text;
}

// Fills a section with empty lines up to the line its reader counts on; a
// section that has outgrown its place is a fault of this file.
void PadTo(std::vector<std::string>& lines, std::size_t count) {
  if (lines.size() > count) throw std::logic_error("a name page section outgrew its lines");
  lines.resize(count);
}

// A text of the database as page text: escaped, its line breaks kept.
std::string PageText(const std::string& gbk) {
  std::string text = HtmlEscape(gbk);
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "<br>");
  return text;
}

enum class RowKind { Plain, Heading, Unbroken };

// A table row of cells (markup): a heading row is shaded with th cells; the
// words of a heading or unbroken row never wrap.
std::string Row(std::initializer_list<std::string> cells, RowKind kind = RowKind::Plain) {
  const std::string tag = kind == RowKind::Heading ? "th" : "td";
  std::string row = kind == RowKind::Plain     ? "<tr>"
                    : kind == RowKind::Heading ? "<tr bgcolor=\"#efe4cc\" style=\"white-space:nowrap\">"
                                               : "<tr style=\"white-space:nowrap\">";
  for (const std::string& cell : cells) row += "<" + tag + ">" + cell + "</" + tag + ">";
  return row + "</tr>";
}

// Text that wraps inside an unbroken row.
std::string Wrapping(const std::string& html) { return "<div style=\"white-space:normal\">" + html + "</div>"; }

std::string SurnameKind(const NameChart& chart) { return chart.surnameLength == 2 ? "复姓"_gbk : "单姓"_gbk; }

std::string SurnameOf(const NameChart& chart) {
  std::string surname;
  for (int i = 0; i < chart.surnameLength && i < static_cast<int>(chart.characters.size()); ++i) {
    surname += chart.characters[static_cast<std::size_t>(i)].text;
  }
  return surname;
}

std::string GivenNameOf(const NameChart& chart) { return chart.name.substr(SurnameOf(chart).size()); }

std::string Reading(const NameCharacter& character) {
  return character.reading ? character.readingText : "?";
}

std::string Tone(const NameCharacter& character) {
  if (!character.reading) return "?";
  return ToneName(character.reading->tone) + "（"_gbk + LevelOrOblique(character.reading->tone) + "）"_gbk;
}

std::string Element(const NameCharacter& character) {
  if (character.element.empty()) return "—"_gbk;
  return character.element + (character.elementByMeaning ? "（字义）"_gbk : "（数理）"_gbk);
}

std::string Usage(const NameCharacter& character) {
  switch (character.use) {
    case CharacterUse::Common: return "常用"_gbk;
    case CharacterUse::LessCommon: return "次常用"_gbk;
    case CharacterUse::Rare: return "生僻"_gbk;
    case CharacterUse::NoIdeograph: break;
  }
  return "非汉字"_gbk;
}

std::string Strokes(const NameCharacter& character) {
  return character.strokes ? std::to_string(*character.strokes) : "—"_gbk;
}

// What the characters outside the common ones mean for the name's bearer, one sentence each.
std::vector<std::string> RareCharacterNotes(const NameChart& chart) {
  std::vector<std::string> notes;
  bool anyIdeograph = false;
  for (const NameCharacter& character : chart.characters) {
    anyIdeograph = anyIdeograph || character.use != CharacterUse::NoIdeograph;
    if (character.use == CharacterUse::LessCommon) {
      notes.push_back("“"_gbk + character.text +
                      "”不在3755个常用字（国标一级字库）之内，属次常用字，书写、辨认稍难，起名宜斟酌。"_gbk);
    } else if (character.use == CharacterUse::Rare) {
      notes.push_back("“"_gbk + character.text +
                      "”是国标GB2312字库之外的生僻字，部分电脑、手机与证件系统可能难以录入，起名宜慎用。"_gbk);
    }
  }
  if (notes.empty()) {
    notes.push_back(anyIdeograph ? "用字都在3755个常用字之内，书写、录入都方便。"_gbk : "没有可评的汉字。"_gbk);
  }
  return notes;
}

// ---- the score page -------------------------------------------------------

std::vector<std::string> ScoreHead(const std::string& surname, const std::string& given) {
  return {
      "<html>",
      "<head>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">",
      "<title>"_gbk + HtmlEscape(surname + given) + "姓名测试打分结果 - 姓名评分</title>"_gbk,
      "<style type=\"text/css\">",
      "body { margin: 0; background: #f6f1e6; font-family: \"Noto Serif CJK SC\", serif; color: #3b2a1a; font-size: 14px; }",
      ".top { background: #7a1f1f; color: #f6e7c1; padding: 12px 20px; }",
      ".top h1 { margin: 0; font-size: 22px; letter-spacing: 4px; }",
      ".nav { background: #efe4cc; padding: 6px 20px; font-size: 13px; }",
      "form.ask { padding: 10px 20px; }",
      ".legend { margin: 16px 20px; font-size: 12px; color: #6b5a48; }",
      ".legend td { padding: 1px 8px; }",
      ".foot { margin: 8px 20px 20px; font-size: 12px; color: #8a7a68; }",
      "</style>",
      "</head>",
      "<body>",
      "<div class=\"top\"><h1>姓名测试打分</h1><div>康熙笔画 · 五格数理 · 三才配置 · 音律用字</div></div>"_gbk,
      "<div class=\"nav\">姓名评分 | 姓名详批 | 形家论断</div>"_gbk,
      "<form class=\"ask\" action=\"/ceming/cmjg-mz.asp\" method=\"get\" accept-charset=\"gbk\">",
      "姓：<input name=\"youname1\" size=\"4\" value=\""_gbk + HtmlEscape(surname) + "\">",
      "名：<input name=\"youname2\" size=\"6\" value=\""_gbk + HtmlEscape(given) + "\">",
      "<input type=\"submit\" value=\"重新评分\">"_gbk,
      "</form>",
  };
}

const char* const kTable =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" style=\"border-collapse:collapse;border-color:#c9bda4\">";
const char* const kHeading = "<div style=\"margin-top:12px;font-weight:bold;color:#7a1f1f\">";

void AddCharacterTable(std::vector<std::string>& lines, const NameChart& chart) {
  lines.push_back(kTable);
  lines.push_back(Row({"字"_gbk, "繁体"_gbk, "康熙笔画"_gbk, "拼音"_gbk, "声调"_gbk, "五行"_gbk, "用字"_gbk}, RowKind::Heading));
  for (const NameCharacter& c : chart.characters) {
    lines.push_back(Row({HtmlEscape(c.text), c.traditional.empty() ? "—"_gbk : c.traditional, Strokes(c), Reading(c),
                         Tone(c), Element(c), Usage(c)}));
  }
  lines.push_back("</table>");
}

void AddGridTable(std::vector<std::string>& lines, const NameChart& chart) {
  lines.push_back(kHeading + "五格数理"_gbk + "</div>");
  lines.push_back(kTable);
  lines.push_back(Row({"格"_gbk, "数"_gbk, "五行"_gbk, "吉凶"_gbk, "数理"_gbk}, RowKind::Heading));
  for (const GridVerdict& grid : chart.grids) {
    const bool fixed = chart.fixedOuter && &grid == &chart.grids[3];
    lines.push_back(Row({grid.name, std::to_string(*grid.number), grid.element, grid.verdictClass,
                         Wrapping(fixed ? "单名外格为定数2，不论吉凶。"_gbk : PageText(grid.text))},
                        RowKind::Unbroken));
  }
  lines.push_back("</table>");
  lines.push_back(kHeading + "三才配置："_gbk + chart.threeTalents + "（"_gbk + chart.talentClass + "）</div>"_gbk);
  lines.push_back("<div>" + PageText(chart.talentText) + "</div>");
}

void AddSound(std::vector<std::string>& lines, const NameSound& sound) {
  lines.push_back(kHeading + "音律：平仄 "_gbk + sound.pattern + "</div>");
  for (const std::string& finding : sound.findings) lines.push_back("<div>" + HtmlEscape(finding) + "</div>");
}

void AddScoreTable(std::vector<std::string>& lines, const NameScore& score) {
  lines.push_back(kHeading + "评分明细"_gbk + "</div>");
  lines.push_back(kTable);
  lines.push_back(Row({"项目"_gbk, "得分"_gbk, "满分"_gbk, "依据"_gbk}, RowKind::Heading));
  for (const ScoreLine& line : score.lines) {
    lines.push_back(Row({line.item, std::to_string(line.points), std::to_string(line.weight), HtmlEscape(line.reason)}));
  }
  lines.push_back(Row({"合计"_gbk, std::to_string(score.total), "100", ScoreWord(score.total)}));
  lines.push_back("</table>");
}

void AddScoreBody(std::vector<std::string>& lines, const NameChart& chart, const NameSound& sound,
                  const std::optional<NameScore>& score) {
  const std::string name = HtmlEscape(chart.name);
  lines.push_back("<div style=\"margin:10px 20px;line-height:1.8;font-size:14px\">");
  if (score) {
    lines.push_back("<div style=\"font-size:20px;font-weight:bold;color:#7a1f1f\">【"_gbk + name + "】姓名评分："_gbk +
                    "<font color=\"#c0392b\">" + std::to_string(score->total) + "</font>分（"_gbk +
                    ScoreWord(score->total) + "）</div>"_gbk);
  } else {
    lines.push_back("<div style=\"font-size:20px;font-weight:bold;color:#7a1f1f\">【"_gbk + name + "】未能评分</div>"_gbk);
    lines.push_back("<div>" + HtmlEscape(*chart.Problem()) + "</div>");
  }
  lines.push_back("<div>姓："_gbk + HtmlEscape(SurnameOf(chart)) + "（"_gbk + SurnameKind(chart) + "）　名："_gbk +
                  HtmlEscape(GivenNameOf(chart)) + "</div>");
  if (!chart.characters.empty()) AddCharacterTable(lines, chart);
  if (score) AddGridTable(lines, chart);
  if (!chart.characters.empty()) AddSound(lines, sound);
  lines.push_back(kHeading + "用字"_gbk + "</div>");
  for (const std::string& note : RareCharacterNotes(chart)) lines.push_back("<div>" + HtmlEscape(note) + "</div>");
  if (score) {
    AddScoreTable(lines, *score);
    lines.push_back(kHeading + "评分方法"_gbk + "</div>");
    for (const std::string& sentence : ScoreMethod()) lines.push_back("<div>" + sentence + "</div>");
  }
  lines.push_back("</div>");
}

// The legend of the 81 numbers and the end of the page.
std::vector<std::string> ScoreTail(const Sources& sources) {
  std::vector<std::string> lines = {"<div class=\"legend\"><div>八十一数理吉凶一览</div>"_gbk, "<table>"};
  for (int number = 1; number <= 81; ++number) {
    lines.push_back(Row({std::to_string(number), HtmlEscape(NumberMotto(sources, number)), NumberVerdict(sources, number)}));
  }
  lines.insert(lines.end(), {"</table>", "</div>",
                             "<div class=\"foot\">本页由 Velmora 应答服务按康熙字典笔画与传统姓名学测算，结果仅供参考。</div>"_gbk,
                             "</body>", "</html>"});
  return lines;
}

// ---- the name-test page ---------------------------------------------------

const std::array<const char*, 5> kTraditionalGridNames = {"天格", "人格", "地格", "外格", "總格"};

void AddXingjiaReading(std::vector<std::string>& lines, const NameChart& chart, const Sources& sources) {
  const std::vector<XingjiaLine> reading = XingjiaReading(chart, sources);
  std::string strokes;
  for (const NameCharacter& c : chart.characters) strokes += HtmlEscape(c.text) + std::to_string(*c.strokes) + "畫　"_gbk;
  lines.push_back("<tr><td>筆畫（以繁體康熙字典計）："_gbk + strokes + "</td></tr>");
  lines.push_back("<tr><td>");
  lines.push_back(kTable);
  lines.push_back(Row({"五格"_gbk, "數"_gbk, "五行"_gbk, "與人格"_gbk, "主事"_gbk}, RowKind::Heading));
  for (std::size_t i = 0; i < chart.grids.size(); ++i) {
    const GridVerdict& grid = chart.grids[i];
    std::string relation = "（我）"_gbk, concerns = "自身"_gbk;
    for (const XingjiaLine& line : reading) {
      if (line.grid == Utf8ToGbk(kTraditionalGridNames[i])) {
        relation = RelationName(line.relation);
        concerns = line.concerns;
      }
    }
    lines.push_back(Row({Utf8ToGbk(kTraditionalGridNames[i]), std::to_string(*grid.number), grid.element, relation, concerns}));
  }
  lines.push_back("</table>");
  lines.push_back("</td></tr>");
  lines.push_back(
      "<tr><td>形家姓名學以人格為「我」，看其餘四格與人格的生剋：天格主長上，地格主配偶子女，外格主朋友外緣，總格主晚年歸宿。"
      "生我者得助，我生者付出，剋我者受制，我剋者主導，比和者平等。</td></tr>"_gbk);
  for (const XingjiaLine& line : reading) {
    lines.push_back("<tr><td><b>"_gbk + line.grid + "（"_gbk + line.concerns + "）："_gbk + RelationName(line.relation) +
                    "</b><br>" + HtmlEscape(line.reading) + "</td></tr>");
  }
}

// ---- the detail page ------------------------------------------------------

std::string Indented(const std::string& text) { return "　　"_gbk + text; }

std::vector<std::string> DetailScore(const NameChart& chart, const std::optional<NameScore>& score) {
  if (!score) return {"【姓名评分】未能评分："_gbk + *chart.Problem()};
  std::vector<std::string> lines = {"【姓名评分】"_gbk + std::to_string(score->total) + "分（"_gbk +
                                    ScoreWord(score->total) + "），满分100分。"_gbk};
  for (const ScoreLine& line : score->lines) {
    lines.push_back(Indented(line.item + "：得"_gbk + std::to_string(line.points) + "分，满分"_gbk +
                             std::to_string(line.weight) + "分　依据："_gbk + line.reason));
  }
  lines.push_back("【五格数理】"_gbk);
  for (const GridVerdict& grid : chart.grids) {
    const bool fixed = chart.fixedOuter && &grid == &chart.grids[3];
    lines.push_back(Indented(grid.name + " " + std::to_string(*grid.number) + "　五行"_gbk + grid.element + "　"_gbk +
                             (fixed ? "单名外格为定数2，不论吉凶"_gbk : grid.summary + "（"_gbk + grid.verdictClass + "）"_gbk)));
  }
  lines.push_back("【评分方法】"_gbk);
  for (const std::string& sentence : ScoreMethod()) lines.push_back(Indented(sentence));
  return lines;
}

std::vector<std::string> DetailSoundAndCharacters(const NameChart& chart, const NameSound& sound) {
  std::vector<std::string> lines = {"【读音声调】"_gbk};
  for (const NameCharacter& c : chart.characters) lines.push_back(Indented(c.text + " " + Reading(c) + " " + Tone(c)));
  lines.push_back(Indented("平仄："_gbk + sound.pattern));
  for (const std::string& finding : sound.findings) lines.push_back(Indented(finding));
  lines.push_back("【用字五行】"_gbk);
  for (const NameCharacter& c : chart.characters) {
    lines.push_back(Indented(c.text + "　康熙笔画"_gbk + Strokes(c) + "　五行"_gbk + Element(c) + "　"_gbk + Usage(c)));
  }
  lines.push_back("【生僻字提示】"_gbk);
  for (const std::string& note : RareCharacterNotes(chart)) lines.push_back(Indented(note));
  return lines;
}

}  // namespace

Page NameScorePage(const Query& query, const Sources& sources) {
  const std::string surname = NamePart(query, "youname1");
  const std::string given = NamePart(query, "youname2");
  const NameChart chart = ChartName(surname, given, sources);
  const NameSound sound = JudgeSound(chart.characters);
  const std::optional<NameScore> score = ScoreName(chart, sound);

  std::vector<std::string> lines = ScoreHead(surname, given);
  PadTo(lines, kScoreFirstLine);
  AddScoreBody(lines, chart, sound, score);
  const std::vector<std::string> tail = ScoreTail(sources);
  if (tail.size() > kScoreTrailingLines) throw std::logic_error("the score page's tail outgrew its lines");
  lines.resize(lines.size() + kScoreTrailingLines - tail.size());
  lines.insert(lines.end(), tail.begin(), tail.end());
  return HtmlPage(lines);
}

Page XingjiaTestPage(const Query& query, const Sources& sources) {
  const bool male = query.Integer("R1", 1, 2) == 1;
  const std::string surname = NamePart(query, "Name1");
  const std::string given = NamePart(query, "Name2");
  const NameChart chart = ChartName(surname, given, sources);
  std::vector<std::string> lines = {
      "<html>",
      "<head>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">",
      "<title>Document Title</title>",
      "</head>",
      "<body bgcolor=\"#fbf8f1\" style=\"margin:0\">",
      "<center>",
      "<img src=\"1.jpg\" width=\"680\" height=\"115\">",
      "<table width=\"700\" border=\"0\" cellspacing=\"0\" cellpadding=\"8\" "
      "style=\"font-family:'Noto Serif CJK TC',serif;font-size:14px;line-height:1.8;color:#3b2a1a;text-align:left\">",
  };
  // Pushed one by one: clang 14 crashes on GBK literals inside the braced list.
  lines.push_back("<tr><td align=\"center\"><font size=\"5\" color=\"#7a1f1f\"><b>超準形家姓名學論斷</b></font></td></tr>"_gbk);
  lines.push_back("<tr><td>姓名：<b>"_gbk + HtmlEscape(chart.name) + "</b>（"_gbk + (male ? "乾造，男"_gbk : "坤造，女"_gbk) +
                  "）　姓："_gbk + HtmlEscape(surname) + "　名："_gbk + HtmlEscape(given) + "</td></tr>");
  if (chart.Complete()) {
    AddXingjiaReading(lines, chart, sources);
  } else {
    lines.push_back("<tr><td>此姓名無法排出五格，請檢查輸入：姓一至二字、名一至二字（單姓可三字），且皆為漢字。</td></tr>"_gbk);
  }
  lines.insert(lines.end(), {"</table>", "<img border=\"0\" src=\"23.jpg\" width=\"680\" height=\"115\">", "</center>",
                             "</body>", "</html>"});
  return HtmlPage(lines);
}

Page NameDetailPage(const Query& query, const Sources& sources) {
  const std::string name = NamePart(query, "word");
  if (name.empty()) throw BadRequest("参数 word 不能为空");
  const NameChart chart = ChartFullName(name, sources);
  const NameSound sound = JudgeSound(chart.characters);
  const std::optional<NameScore> score = ScoreName(chart, sound);

  std::vector<std::string> text = {
      "Velmora 姓名测试"_gbk,
      "康熙笔画 · 五格数理 · 三才配置 · 普通话读音"_gbk,
      "────────────────────────────────"_gbk,
      "",
      "【"_gbk + name + "】的姓名测试结果"_gbk,
      "",
      "姓："_gbk + SurnameOf(chart) + "（"_gbk + SurnameKind(chart) + "）　名："_gbk + GivenNameOf(chart),
      "姓名吉凶页已列三才与总格的释义，这里补上评分、读音、五行与用字。"_gbk,
      "",
      "测算项目："_gbk,
      "　　一、康熙笔画与五格数理，并据此评分；"_gbk,
      "　　二、普通话读音、声调与音律；"_gbk,
      "　　三、各字五行与生僻字提示。"_gbk,
  };
  PadTo(text, kDetailLeadingLines);
  for (std::string& line : DetailScore(chart, score)) text.push_back(std::move(line));
  text.insert(text.end(), {"", "────────────────────────────────"_gbk, "想测试别的姓名？"_gbk,
                           "按下面方式开始测试"_gbk,
                           "一、在浏览器地址栏输入 http://"_gbk + query.Host() + "/s?st=2&word=姓名&FrontType=1&submit1="_gbk,
                           "二、把其中的“姓名”换成要测试的姓名（GBK编码）；"_gbk, "三、按回车，稍候即可看到测试结果。"_gbk, ""});
  for (std::string& line : DetailSoundAndCharacters(chart, sound)) text.push_back(std::move(line));
  text.insert(text.end(), {"", "────────────────────────────────"_gbk,
                           "声明：测算依据传统姓名学，结果仅供参考。"_gbk,
                           "笔画以康熙字典计；读音取 Unicode 汉字数据库 kMandarin 的首读，姓氏从其专用读音。"_gbk,
                           "五行：列于五行取名字表者依字义，其余依笔画尾数。"_gbk,
                           "常用字指国标一级字库的3755字，次常用字指国标二级字库，其余为生僻字。"_gbk, "Velmora 应答服务"_gbk});

  const std::string title = "<title>" + HtmlEscape(name) + "的姓名测试结果</title>"_gbk;
  std::vector<std::string> lines = {
      "<html>",
      "<head>",
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">",
      title,
      "</head>",
      "<body style=\"margin:0;background:#fbf8f1\">",
      // One preformatted block: the reader counts the body's text lines, and
      // only preformatted text keeps them as written.
      "<pre style=\"margin:16px 24px;font-family:'Noto Serif CJK SC',serif;font-size:14px;line-height:1.7;"
      "color:#3b2a1a;white-space:pre-wrap\">",
  };
  for (const std::string& line : text) lines.push_back(HtmlEscape(line));
  lines.back() += "</pre>";  // text after the last line would add a line of its own
  lines.insert(lines.end(), {"</body>", "</html>"});
  return HtmlPage(lines);
}

std::vector<Route> NameRoutes() {
  return {
      {"/ceming/cmjg-mz.asp", NameScorePage},
      {"/xingjia/test.asp", XingjiaTestPage},
      {"/s", NameDetailPage},
  };
}

}  // namespace velmora::services
