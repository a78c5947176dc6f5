#include "online/bazi_readings.h"

#include <stdexcept>

#include "online/browser_automation.h"
#include "online/html_filter.h"
#include "text/gbk.h"

namespace velmora {
namespace {

constexpr int kScoreFirstLine = 5;
constexpr int kScoreFirstRangeEnd = 108;
constexpr int kScoreSecondLine = 113;
constexpr int kScoreDroppedTail = 28;

// The names of a form's optional birth fields.
struct DetailFields {
  const char* minute;
  const char* place;
  const char* province;
  const char* longitude;
};
constexpr DetailFields kSizhuDetailFields = {"china95_minute", "china95_place", "china95_province", "china95_longitude"};
constexpr DetailFields kScoreDetailFields = {"minute", "place", "province", "longitude"};

// The minute and the place or longitude; a field not given is set empty too,
// so that nothing of an earlier request stays.
void SetDetailFields(Browser& page, const TypedBirthDetails& details, const DetailFields& fields) {
  SetFormField(page, fields.minute, details.minute);
  SetFormField(page, fields.place, details.place);
  SetFormField(page, fields.province, details.province);
  SetFormField(page, fields.longitude, details.longitude);
}

// The cut as it may enter a local page: parsed and written out without
// anything that could run.
void Filter(LineBuffer& cut) {
  if (cut.Count() == 0) return;
  cut.SetText(FilterAnswerHtml(cut.Text()));
}

}  // namespace

const std::string& SizhuFormTitle() { return "周易八卦四柱八字算命在线免费算命"_gbk; }
const std::string& SizhuAnswerTitle() { return "四柱八字在线免费算命系统"_gbk; }
const std::string& SizhuStartMarker() { return "元亨利贞网四柱八字在线免费算命系统 - 免费在线八字算命 "_gbk; }
const std::string& SizhuEndMarker() {
  return "声明：本系统批示的结果仅供参考！点此在线详批八字算命！ - 进入元亨利贞网免费在线算命预测论坛"_gbk;
}

const std::string& BaziScoreFormTitle() { return "八字准确测试打分"_gbk; }

std::string BaziScoreAnswerTitle(const std::string& serviceDomain) {
  return "■八字准确测试打分■-vu姓名("_gbk + serviceDomain + ")";
}

std::string OnlineChartYear(int year) {
  if (year < kFirstOnlineChartYear || year > kLastOnlineChartYear) {
    throw std::out_of_range("出生年份须在" + std::to_string(kFirstOnlineChartYear) + "年至" +
                            std::to_string(kLastOnlineChartYear) + "年之间（现为" + std::to_string(year) +
                            "年），在线批命未发送。");
  }
  return std::to_string(year);
}

void RequestSizhuReading(Browser& page, const BirthProfile& profile, const TypedBirthDetails& details,
                         const std::string& formPage) {
  const CivilDate& date = profile.birthDate.date;
  const std::string year = OnlineChartYear(date.year);
  if (ReadTitle(page) != SizhuFormTitle()) page.Navigate(formPage);
  SetFormField(page, "china95_year", year);
  SetFormField(page, "china95_month", std::to_string(date.month));
  SetFormField(page, "china95_day", std::to_string(date.day));
  SetFormField(page, "china95_time", std::to_string(profile.birthHourIndex));
  SetFormField(page, "sex", profile.sex == "男"_gbk ? "1" : "0");
  SetDetailFields(page, details, kSizhuDetailFields);
  SubmitAllForms(&page);
}

void TakeSizhuAnswer(Browser& page, LineBuffer& text, LineBuffer& cut, ReportPage& report, const std::string& formPage) {
  text.Clear();
  cut.Clear();
  text.Append(ReadBodyText(page));
  const int first = text.Find(SizhuStartMarker()) + 2;
  const int end = text.Find(SizhuEndMarker());
  cut.AppendLines(text, first, end - 1);
  page.Navigate(formPage);
  Filter(cut);
  for (const std::string& line : cut.Lines()) {
    report.AddRaw("<p align=\"left\">");
    report.AddRaw(line);
    report.AddRaw("</p>");
  }
}

void RequestBaziScore(Browser& page, const BirthProfile& profile, const TypedBirthDetails& details) {
  const CivilDate& date = profile.birthDate.date;
  const std::string year = OnlineChartYear(date.year);
  SetFormField(page, "name", profile.name);
  SetFormField(page, "sex", profile.sex);
  SetFormField(page, "y", year);
  SetFormField(page, "m", std::to_string(date.month));
  SetFormField(page, "d", std::to_string(date.day));
  SetFormField(page, "h", std::to_string(profile.birthHourIndex));
  SetDetailFields(page, details, kScoreDetailFields);
  ClickFirstSubmit(page);
}

void TakeBaziScoreAnswer(Browser& page, LineBuffer& html, LineBuffer& cut, ReportPage& report,
                         const std::string& formPage, const BaziScoreAddresses& addresses) {
  html.Clear();
  cut.Clear();
  html.Append(ReadBodyHtml(page));
  cut.AppendLines(html, kScoreFirstLine, kScoreFirstRangeEnd);
  const int last = html.Count() - kScoreDroppedTail;
  if (last >= kScoreSecondLine) cut.AppendLines(html, kScoreSecondLine, last);
  cut.ReplaceAll(addresses.serviceDomain, addresses.makerDomain);
  // The browser writes markup in lower case with quoted attributes.
  cut.ReplaceAll("<td>", "<td><font size=\"2\">");
  cut.ReplaceAll("vu", "Oskarn");
  cut.ReplaceAll("images", addresses.imageFolder);
  cut.ReplaceAll("本站提供专业准确的“剖腹产择日”服务"_gbk, "");
  cut.ReplaceAll("[点击查看“剖腹产择日”内容]"_gbk, "");
  page.Navigate(formPage);
  Filter(cut);
  for (const std::string& line : cut.Lines()) report.AddParagraph(line);
  report.ClosePage();
}

}  // namespace velmora
