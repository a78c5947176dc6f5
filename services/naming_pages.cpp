#include "services/naming_pages.h"

#include <algorithm>

#include "online/company_naming.h"
#include "online/personal_naming.h"
#include "text/html_text.h"
#include "services/company_names.h"
#include "services/name_proposals.h"
#include "services/name_verdicts.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

const std::string& MetaLine() { return "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"_gbk; }

std::vector<std::string> Head(const std::string& title) {
  return {"<html>", "<head>", MetaLine(), "<title>" + HtmlEscape(title) + "</title>",
          "<style>body { font-family: 宋体, serif; font-size: 10pt; } .keep { white-space: pre; }</style>"_gbk,
          "</head>", "<body>"};
}

void Close(std::vector<std::string>& lines) {
  lines.push_back("</body>");
  lines.push_back("</html>");
}

// One line of the page's text.
std::string Line(const std::string& html) { return "<div>" + html + "</div>"; }

std::string Trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t end = text.size();
  while (first < end && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (end > first && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(first, end - first);
}

// The surname field: one Chinese character whose strokes the tables hold, or
// two for a founder's compound surname.
std::string Surname(const Query& query, const Sources& sources, std::size_t maxCharacters) {
  const std::string surname = Trimmed(query.Text(kNamingSurnameField));
  bool usable = !surname.empty() && surname.size() % 2 == 0 && surname.size() <= 2 * maxCharacters;
  for (std::size_t i = 0; usable && i < surname.size(); i += 2) {
    usable = static_cast<unsigned char>(surname[i]) >= 0x81 && sources.StrokeCount(surname.substr(i, 2));
  }
  if (!usable) {
    throw BadRequest(std::string("参数 ") + kNamingSurnameField +
                     (maxCharacters == 1 ? " 应为一个汉字的姓（复姓只填第一个字）" : " 应为一到两个汉字的姓"));
  }
  return surname;
}

std::string Radio(const std::string& name, const std::string& value, const std::string& caption, bool checked) {
  return "<input type=\"radio\" name=\"" + name + "\" value=\"" + value + "\"" + (checked ? " checked" : "") + ">" +
         caption;
}

std::string ChineseNumber(int n) { return n == 2 ? "两"_gbk : "三"_gbk; }

std::string ProposalLine(int index, const ProposedName& name) {
  auto grid = [](const std::string& label, int number, const std::string& verdict) {
    return label + std::to_string(number) + (verdict.empty() ? std::string() : "（"_gbk + verdict + "）"_gbk);
  };
  return std::to_string(index) + ". " + name.name + "　"_gbk + TierName(name.tier) + "　"_gbk +
         grid("天格"_gbk, name.heaven, "") + " " + grid("人格"_gbk, name.person, name.personVerdict) + " " +
         grid("地格"_gbk, name.earth, name.earthVerdict) + " " + grid("外格"_gbk, name.outer, name.outerVerdict) + " " +
         grid("总格"_gbk, name.total, name.totalVerdict) + "　三才"_gbk + name.talents + "（"_gbk + name.talentsVerdict +
         "）　评分"_gbk + std::to_string(name.score) + "　"_gbk + name.meaning;
}

// Why the strict tier holds fewer names than the list, in one sentence.
std::string ShortStrictList(const NameRequest& request, const std::vector<ProposedName>& names, int strictStrokes,
                            int surnameStrokes) {
  const auto strict = std::count_if(names.begin(), names.end(), [](const ProposedName& n) { return n.tier == NameTier::First; });
  std::string sentence = request.length == 2 ? "单名的人格与总格同数、地格只由名字一字的笔划定，"_gbk : std::string();
  sentence += "常用字中与"_gbk + request.surname + "姓"_gbk + std::to_string(surnameStrokes) +
              "划相配而人格、地格、总格皆吉且三才吉或大吉的笔划"_gbk + (request.length == 2 ? std::string() : "组合"_gbk) +
              "只有"_gbk + std::to_string(strictStrokes) + "种（同一人格、地格或总格至多取"_gbk +
              std::to_string(kNamesOfOneGrid) + "个），所以"_gbk +
              (strict == 0 ? "没有甲等名字"_gbk : "甲等名字只有"_gbk + std::to_string(strict) + "个"_gbk) +
              "，其后依次以乙、丙、丁等补足。"_gbk;
  return sentence;
}

// The company page's fields and the founder's element.
struct CompanyFields {
  CompanyRequest request;
  std::string element;
};

CompanyFields ReadCompanyFields(const Query& query, const Sources& sources) {
  CompanyFields fields;
  fields.request.surname = Surname(query, sources, 2);
  fields.request.length = query.Integer(kNamingLengthField, 2, 3);
  fields.request.trade = query.Text(kCompanyTradeField);
  const std::vector<std::string> trades = CompanyTrades(sources);
  if (std::find(trades.begin(), trades.end(), fields.request.trade) == trades.end()) {
    throw BadRequest(std::string("参数 ") + kCompanyTradeField + " 应为所列十二个行业之一");
  }
  fields.element = SurnameElement(sources, fields.request.surname);
  return fields;
}

// The company form, empty or holding the fields of an answer so that the
// founder can ask again.
void AddCompanyForm(std::vector<std::string>& lines, const Sources& sources, const CompanyFields* fields) {
  lines.push_back("<form name=\"gongsi\" action=\"/chest/gs.htm\" method=\"post\">");
  lines.push_back(Line("创办者姓氏：<input type=\"text\" name=\""_gbk + kNamingSurnameField + "\" size=\"4\" value=\"" +
                       (fields ? fields->request.surname : std::string()) + "\">"));
  std::string select = "行业：<select name=\""_gbk + kCompanyTradeField + "\">";
  for (const std::string& trade : CompanyTrades(sources)) {
    const bool chosen = fields && fields->request.trade == trade;
    select += "<option value=\"" + trade + "\"" + (chosen ? " selected" : "") + ">" + trade + "</option>";
  }
  lines.push_back(Line(select + "</select>"));
  const int length = fields ? fields->request.length : 2;
  lines.push_back(Line("字数："_gbk + Radio(kNamingLengthField, "2", "两个字"_gbk, length == 2) + " " +
                       Radio(kNamingLengthField, "3", "三个字"_gbk, length == 3)));
  lines.push_back(Line("<input type=\"submit\" value=\""_gbk + (fields ? "重新生成"_gbk : "生成名称"_gbk) + "\">"));
  lines.push_back("</form>");
}

Page CompanyNamingForm(const Query& query, const Sources& sources) {
  std::vector<std::string> lines = Head(CompanyNamingFormTitle(query.Host()));
  lines.push_back("<h3>vu在线神算 · 公司起名</h3>"_gbk);
  lines.push_back(Line("填写创办者的姓氏、所在行业和字号的字数，按“生成名称”，即得笔划吉祥、五行与姓氏相生的公司字号。"_gbk));
  AddCompanyForm(lines, sources, nullptr);
  Close(lines);
  return HtmlPage(lines);
}

Page CompanyNamingAnswer(const Query& query, const Sources& sources) {
  const CompanyFields fields = ReadCompanyFields(query, sources);
  const std::vector<ProposedCompanyName> names = ProposeCompanyNames(sources, fields.request);
  std::vector<std::string> lines = Head(CompanyNamingAnswerTitle(query.Host()));
  lines.push_back("<div class=\"keep\">" + CompanyNamingStartMarker() + "</div>");
  lines.push_back(Line("创办者姓氏："_gbk + fields.request.surname + "（笔划五行属"_gbk + fields.element + "）　行业："_gbk +
                       fields.request.trade + "　"_gbk + ChineseNumber(fields.request.length) + "字字号 "_gbk +
                       std::to_string(names.size()) + " 个"_gbk));
  for (std::size_t i = 0; i < names.size(); ++i) {
    const ProposedCompanyName& name = names[i];
    lines.push_back(Line(std::to_string(i + 1) + ". " + name.name + "　笔划"_gbk + std::to_string(name.strokes) + "（"_gbk +
                         name.verdict + "）　"_gbk + name.reason));
  }
  if (names.empty()) lines.push_back(Line("这个行业暂时没有合适的字号，请换一个字数再试。"_gbk));
  lines.push_back("<div class=\"keep\"><a href=\"/chest/gs.htm\">有偿起名服务</a>   <a href=\"/chest/gs.htm\">"
                  "免费测试公司名</a>   <a href=\"/chest/gs.htm\">公司起名申请请表</a> </div>"_gbk);
  lines.push_back(Line("字号笔划按康熙字典计，总笔划取八十一数理之吉数；五行按字的部首或字义定，优先取创办者姓氏五行所生者。"_gbk));
  AddCompanyForm(lines, sources, &fields);
  Close(lines);
  return HtmlPage(lines);
}

}  // namespace

std::vector<Route> NamingRoutes() {
  return {
      {"/chest/ming.htm", PersonalNamingForm},
      {"/chest/ming.asp", PersonalNamingAnswer},
      {"/chest/gs.htm", CompanyNamingPage},
  };
}

Page PersonalNamingForm(const Query& query, const Sources&) {
  std::vector<std::string> lines = Head(PersonalNamingFormTitle(query.Host()));
  lines.push_back("<h3>vu姓名网 · 五格数理起名</h3>"_gbk);
  lines.push_back("<form name=\"sousuo\" action=\"/chest/gs.htm\" method=\"get\">");
  lines.push_back(Line("另有公司起名：<input type=\"submit\" name=\"gongsi\" value=\"公司字号产生器\">"_gbk));
  lines.push_back("</form>");
  lines.push_back("<form name=\"qiming\" action=\"/chest/ming.asp\" method=\"post\">");
  lines.push_back(Line("姓氏：<input type=\"text\" name=\""_gbk + kNamingSurnameField +
                       "\" size=\"4\" maxlength=\"2\">（复姓只填第一个字）"_gbk));
  lines.push_back(Line("性别："_gbk + Radio(kNamingSexField, "男"_gbk, "男"_gbk, true) + " " +
                       Radio(kNamingSexField, "女"_gbk, "女"_gbk, false)));
  lines.push_back(Line("字数："_gbk + Radio(kNamingLengthField, "3", "三个字"_gbk, true) + " " +
                       Radio(kNamingLengthField, "2", "两个字"_gbk, false)));
  lines.push_back(Line("<input type=\"button\" name=\"qingkong\" value=\"清空\" onclick=\"this.form."_gbk +
                       kNamingSurnameField + ".value=''\"> <input type=\"submit\" value=\"开始起名\">"_gbk));
  lines.push_back("</form>");
  Close(lines);
  return HtmlPage(lines);
}

Page PersonalNamingAnswer(const Query& query, const Sources& sources) {
  NameRequest request;
  request.surname = Surname(query, sources, 1);
  const std::string sex = query.Text(kNamingSexField);
  if (sex != "男"_gbk && sex != "女"_gbk) throw BadRequest(std::string("参数 ") + kNamingSexField + " 应为 男 或 女");
  request.girl = sex == "女"_gbk;
  request.length = query.Integer(kNamingLengthField, 2, 3);
  const std::vector<ProposedName> names = ProposeNames(sources, request);

  std::vector<std::string> lines = Head(PersonalNamingAnswerTitle(query.Host()));
  lines.push_back("<h3>vu起名网 · 三才五格起名</h3>"_gbk);
  lines.push_back(Line("为"_gbk + request.surname + "姓"_gbk + (request.girl ? "女孩"_gbk : "男孩"_gbk) + "取的"_gbk +
                       ChineseNumber(request.length) + "字姓名 "_gbk + std::to_string(names.size()) + " 个。"_gbk));
  lines.push_back(Line("五格以康熙字典笔划计算，按等级排列：甲等人格、地格、总格皆吉，三才吉或大吉；乙等人格、总格吉，地格半吉，三才吉或大吉；"
                       "丙等人格、总格吉，地格吉或半吉，三才中吉或半吉；丁等只求人格、总格吉。用字常见、合乎性别，一字至多用两次，"
                       "名中两字不同音、不同部首，声调不全相同，避开不雅的字词与谐音。"_gbk));
  lines.push_back(Line("评分：基础60分，人格、地格、总格吉各8分（半吉4分），外格吉6分（半吉3分），三才大吉6分（吉3分，中吉、半吉1分），"
                       "平仄相间4分。"_gbk));
  if (std::any_of(names.begin(), names.end(), [](const ProposedName& n) { return n.tier != NameTier::First; })) {
    lines.push_back(Line(ShortStrictList(request, names, StrictStrokes(sources, request), *sources.StrokeCount(request.surname))));
  }
  const std::string home = "http://" + query.Host();
  lines.push_back(Line("<a href=\"" + HtmlEscape(home) + "/\">" + HtmlEscape(home) + "</a>"));
  lines.push_back(Line("<a href=\"/chest/ming.htm\">"_gbk + PersonalNamingStartMarker() + "</a>"));
  for (std::size_t i = 0; i < names.size(); ++i) lines.push_back(Line(HtmlEscape(ProposalLine(static_cast<int>(i + 1), names[i]))));
  if (names.empty()) lines.push_back(Line("这个姓暂时没有合适的名字，请换一个字数再试。"_gbk));
  lines.push_back(Line(PersonalNamingEndMarker()));
  lines.push_back(Line("<a href=\"/chest/gs.htm\">公司起名</a>"_gbk));
  Close(lines);
  return HtmlPage(lines);
}

Page CompanyNamingPage(const Query& query, const Sources& sources) {
  const bool asked = query.OptionalText(kNamingSurnameField) || query.OptionalText(kCompanyTradeField) ||
                     query.OptionalText(kNamingLengthField);
  return asked ? CompanyNamingAnswer(query, sources) : CompanyNamingForm(query, sources);
}

}  // namespace velmora::services
