#include "services/horoscope_pages.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "online/horoscope_readings.h"
#include "text/html_text.h"
#include "services/birthday_facts.h"
#include "services/week_forecast.h"
#include "services/week_sky.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kMaxStars = 5;
constexpr std::time_t kSecondsPerHour = 3600;
// A stay of the Moon this long gets its own sentence.
constexpr std::time_t kToldStay = 12 * kSecondsPerHour;
// Days of the Moon in one house that have their own hint; later ones reuse the last.
constexpr int kHintsPerHouse = 3;

const char* const kStyle =
    "body { font-family: SimSun, serif; font-size: 14px; color: #3a2a1a; background: #fffdf6; margin: 16px; }"
    " .top { font-size: 18px; font-weight: bold; color: #7a1e1e; }"
    " .nav { margin: 8px 0; padding: 4px 0; border-top: 1px solid #d8c8a8; border-bottom: 1px solid #d8c8a8; }"
    " .head { font-weight: bold; color: #7a1e1e; margin-top: 6px; }"
    " .note { color: #806a4a; font-size: 12px; }"
    " .foot { margin-top: 12px; color: #806a4a; font-size: 12px; }";

const std::string& SignName(int sign) { return ConstellationNames()[static_cast<std::size_t>(sign)]; }

std::string Div(const std::string& gbk, const char* cls = nullptr) {
  return std::string(cls ? "<div class=\"" + std::string(cls) + "\">" : "<div>") + HtmlEscape(gbk) + "</div>";
}

std::vector<std::string> PageStart(const std::string& title) {
  return {"<html>",
          "<head>",
          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">",
          "<title>" + HtmlEscape(title) + "</title>",
          std::string("<style>") + kStyle + "</style>",
          "</head>",
          "<body>"};
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// 1..12 as Chinese numerals.
const std::string& Numeral(int n) {
  static const std::array<std::string, 12> numerals = {"一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk,   "六"_gbk,
                                                       "七"_gbk, "八"_gbk, "九"_gbk, "十"_gbk, "十一"_gbk, "十二"_gbk};
  return numerals[static_cast<std::size_t>(n - 1)];
}

std::string House(int house) { return "你的第"_gbk + Numeral(house) + "宫"_gbk; }

std::string MonthDayText(int month, int day) {
  return std::to_string(month) + "月"_gbk + std::to_string(day) + "日"_gbk;
}

std::string Weekday(const BeijingTime& time) {
  static const std::array<std::string, 7> names = {"周一"_gbk, "周二"_gbk, "周三"_gbk, "周四"_gbk,
                                                   "周五"_gbk, "周六"_gbk, "周日"_gbk};
  return names[static_cast<std::size_t>(time.weekday)];
}

// "8日 03:12"
std::string DayAndClock(std::time_t moment) {
  const BeijingTime time = BeijingTimeOf(moment);
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", time.hour, time.minute);
  return std::to_string(time.day) + "日 "_gbk + clock;
}

std::string Signed(int delta) {
  std::string text = std::to_string(delta);
  if (delta > 0) text.insert(text.begin(), '+');
  return text;
}

std::string Stars(int stars) {
  std::string text;
  for (int i = 0; i < kMaxStars; ++i) text += i < stars ? "★"_gbk : "☆"_gbk;
  return text;
}

// ---- the weekly forecast ----

// How the pages name an aspect: its key in the prose, and its phrase after
// "与" and the sign, in the order of Aspect.
struct AspectNames {
  const std::string& key;
  const std::string& phrase;
};
const AspectNames& NamesOf(Aspect aspect) {
  static const std::array<AspectNames, 6> names = {{
      {"合"_gbk, "同宫"_gbk},
      {"六合"_gbk, "六合"_gbk},
      {"刑"_gbk, "相刑"_gbk},
      {"三合"_gbk, "三合"_gbk},
      {"冲"_gbk, "相冲"_gbk},
      {"无"_gbk, "不成主要相位"_gbk},
  }};
  return names[static_cast<std::size_t>(aspect)];
}

const std::string& AspectKey(Aspect aspect) { return NamesOf(aspect).key; }

// "与双鱼座相刑"
std::string AspectPhrase(Aspect aspect, int sign) { return "与"_gbk + SignName(sign) + NamesOf(aspect).phrase; }

const std::string& PhaseName(LunarPhase phase) {
  static const std::array<std::string, 4> names = {"新月"_gbk, "上弦月"_gbk, "满月"_gbk, "下弦月"_gbk};
  return names[static_cast<std::size_t>(phase)];
}

const std::string& AreaName(Area area) {
  static const std::array<std::string, kAreaCount> names = {"爱情"_gbk, "事业"_gbk, "财运"_gbk, "健康"_gbk};
  return names[static_cast<std::size_t>(area)];
}

// The rating's heading name: 爱情运, 事业运, 财运, 健康运.
std::string AreaHeading(Area area) { return area == Area::Money ? AreaName(area) : AreaName(area) + "运"_gbk; }

std::string Key(const std::string& first, int second) { return first + "-" + std::to_string(second); }

// The forecast's reviewed prose.
class ForecastProse {
 public:
  explicit ForecastProse(const Sources& sources)
      : signs_(sources.TableNamed("forecast_signs")),
        sun_(sources.TableNamed("forecast_sun")),
        houses_(sources.TableNamed("forecast_houses")),
        phases_(sources.TableNamed("forecast_phases")),
        ratings_(sources.TableNamed("forecast_ratings")),
        days_(sources.TableNamed("forecast_days")) {}

  // How the sign takes a week of that tone (the Sun's aspect +1, 0 or −1).
  const std::string& Mood(int sign, int tone) const {
    return signs_.Text(SignName(sign), tone > 0 ? "顺境"_gbk : tone < 0 ? "逆境"_gbk : "平稳"_gbk);
  }
  const std::string& Sun(Aspect aspect) const { return sun_.Text(AspectKey(aspect), "文字"_gbk); }
  const std::string& Domain(int house) const { return houses_.Text(std::to_string(house), "领域"_gbk); }
  const std::string& MoonIn(int house) const { return houses_.Text(std::to_string(house), "月亮"_gbk); }
  const std::string& LunationIn(LunarPhase phase, int house) const {
    if (phase == LunarPhase::New) return houses_.Text(std::to_string(house), "新月"_gbk);
    if (phase == LunarPhase::Full) return houses_.Text(std::to_string(house), "满月"_gbk);
    return phases_.Text(PhaseName(phase), "文字"_gbk);
  }
  const std::string& Rating(Area area, int stars) const {
    return ratings_.Text(Key(AreaName(area), stars), "文字"_gbk);
  }
  const std::string& Hint(int house, int dayInHouse) const {
    return days_.Text(Key(std::to_string(house), std::min(dayInHouse, kHintsPerHouse - 1) + 1), "提示"_gbk);
  }

 private:
  const Table& signs_;
  const Table& sun_;
  const Table& houses_;
  const Table& phases_;
  const Table& ratings_;
  const Table& days_;
};

std::vector<std::string> SkyFacts(const WeekSky& sky, const WeekForecast& week) {
  std::vector<std::string> facts;
  facts.push_back("太阳 "_gbk + DayAndClock(sky.start) + " 在"_gbk + SignName(sky.sunSignAtStart));
  for (const SignEntry& entry : sky.sunEntries) {
    facts.push_back("太阳 "_gbk + DayAndClock(entry.at) + " 进入"_gbk + SignName(entry.sign));
  }
  facts.push_back("本周以太阳在"_gbk + SignName(week.sunSign) + "论：位于"_gbk + House(week.sunHouse) + "，"_gbk +
                  AspectPhrase(week.sunAspect, week.sign));
  facts.push_back("月亮 "_gbk + DayAndClock(sky.start) + " 在"_gbk + SignName(sky.moonSignAtStart));
  for (const SignEntry& entry : sky.moonEntries) {
    facts.push_back("月亮 "_gbk + DayAndClock(entry.at) + " 进入"_gbk + SignName(entry.sign));
  }
  for (const Lunation& lunation : sky.lunations) {
    facts.push_back(PhaseName(lunation.phase) + " "_gbk + DayAndClock(lunation.at) + "，月亮在"_gbk +
                    SignName(lunation.moonSign));
  }
  return facts;
}

// "8日至10日", or "8日" for a stay within one day.
std::string StayDays(const MoonStay& stay) {
  const int first = BeijingTimeOf(stay.from).day;
  const int last = BeijingTimeOf(stay.to - 1).day;
  return first == last ? std::to_string(first) + "日"_gbk
                       : std::to_string(first) + "日至"_gbk + std::to_string(last) + "日"_gbk;
}

std::vector<std::string> Outlook(const WeekSky& sky, const WeekForecast& week, const ForecastProse& prose) {
  std::vector<std::string> lines = {prose.Mood(week.sign, AspectTone(week.sunAspect)) + prose.Sun(week.sunAspect)};
  for (const MoonStay& stay : week.moonStays) {
    if (stay.to - stay.from < kToldStay) continue;
    lines.push_back("月亮 "_gbk + StayDays(stay) + " 行经"_gbk + House(stay.house) + "（"_gbk +
                    prose.Domain(stay.house) + "）："_gbk + prose.MoonIn(stay.house));
  }
  for (const Lunation& lunation : sky.lunations) {
    const int house = HouseFrom(week.sign, lunation.moonSign);
    lines.push_back(PhaseName(lunation.phase) + " "_gbk + DayAndClock(lunation.at) + " 落在"_gbk + House(house) +
                    "（"_gbk + prose.Domain(house) + "）："_gbk + prose.LunationIn(lunation.phase, house));
  }
  return lines;
}

std::string TermText(const RatingTerm& term, const WeekForecast& week) {
  switch (term.cause) {
    case RatingTerm::Cause::SunAspect:
      return "太阳"_gbk + AspectPhrase(week.sunAspect, week.sign) + " " + Signed(term.delta);
    case RatingTerm::Cause::SunInHouse: return "太阳在"_gbk + House(term.house) + " " + Signed(term.delta);
    case RatingTerm::Cause::MoonInHouse: {
      std::time_t seconds = 0;
      for (const MoonStay& stay : week.moonStays) seconds += stay.house == term.house ? stay.to - stay.from : 0;
      return "月亮在"_gbk + House(term.house) + "停留约"_gbk +
             std::to_string(std::lround(static_cast<double>(seconds) / kSecondsPerHour)) + "小时 "_gbk +
             Signed(term.delta);
    }
    case RatingTerm::Cause::NewMoon: return "新月落在"_gbk + House(term.house) + " " + Signed(term.delta);
    case RatingTerm::Cause::FullMoon: break;
  }
  return "满月落在"_gbk + House(term.house) + " " + Signed(term.delta);
}

std::vector<std::string> Ratings(const WeekForecast& week, const ForecastProse& prose) {
  std::vector<std::string> lines;
  for (int i = 0; i < kAreaCount; ++i) {
    const Area area = static_cast<Area>(i);
    const AreaRating& rating = week.ratings[static_cast<std::size_t>(i)];
    std::string reasons;
    for (const RatingTerm& term : rating.terms) reasons += (reasons.empty() ? "" : "；"_gbk) + TermText(term, week);
    if (reasons.empty()) reasons = "星象平和，未有加减"_gbk;
    lines.push_back(AreaHeading(area) + " "_gbk + Stars(rating.stars) + "（"_gbk + reasons + "）"_gbk);
    lines.push_back(prose.Rating(area, rating.stars));
  }
  return lines;
}

std::vector<std::string> Days(const WeekForecast& week, const ForecastProse& prose) {
  std::vector<std::string> lines;
  for (const DayAreas& day : week.days) {
    const BeijingTime noon = BeijingTimeOf(day.noon);
    lines.push_back(MonthDayText(noon.month, noon.day) + " "_gbk + Weekday(noon) + "　月亮在"_gbk +
                    SignName(day.moonSign) + "（第"_gbk + Numeral(day.house) + "宫）　最佳："_gbk + AreaName(day.best) +
                    "　稍弱："_gbk + AreaName(day.weakest));
    lines.push_back(prose.Hint(day.house, day.dayInHouse));
  }
  return lines;
}

std::vector<std::string> ForecastText(const WeekSky& sky, const WeekForecast& week, const ForecastProse& prose) {
  const BeijingTime monday = BeijingTimeOf(sky.start);
  const BeijingTime sunday = BeijingTimeOf(sky.start + kSecondsPerWeek - 1);
  std::vector<std::string> text = {SignName(week.sign) + "　"_gbk + std::to_string(monday.year) + "年"_gbk +
                                   MonthDayText(monday.month, monday.day) + "（周一）至"_gbk +
                                   MonthDayText(sunday.month, sunday.day) + "（周日）　北京时间"_gbk};
  text.push_back("【本周天象】"_gbk);
  Append(text, SkyFacts(sky, week));
  text.push_back("【整体运势】"_gbk);
  Append(text, Outlook(sky, week, prose));
  text.push_back("【分项运势】"_gbk);
  Append(text, Ratings(week, prose));
  text.push_back("【每日提示】"_gbk);
  Append(text, Days(week, prose));
  return text;
}

// ---- the birthday code ----

class BirthdayProse {
 public:
  explicit BirthdayProse(const Sources& sources)
      : signs_(sources.TableNamed("birthday_signs")),
        decans_(sources.TableNamed("birthday_decans")),
        planets_(sources.TableNamed("birthday_planets")),
        numbers_(sources.TableNamed("birthday_numbers")),
        months_(sources.TableNamed("birthday_months")),
        days_(sources.TableNamed("birthday_days")) {}

  const std::string& Sign(int sign, const char* column) const { return signs_.Text(SignName(sign), Utf8ToGbk(column)); }
  const std::string& Decan(int sign, int decan) const { return decans_.Text(Key(SignName(sign), decan), "文字"_gbk); }
  const std::string& Colour(const std::string& planet) const { return planets_.Text(planet, "幸运颜色"_gbk); }
  const std::string& Number(int number, const char* column) const {
    return numbers_.Text(std::to_string(number), Utf8ToGbk(column));
  }
  const std::string& Month(int month, const char* column) const {
    return months_.Text(std::to_string(month), Utf8ToGbk(column));
  }
  const std::string& Day(MonthDay date) const {
    return days_.Text(std::to_string(date.month) + "-" + std::to_string(date.day), "文字"_gbk);
  }

 private:
  const Table& signs_;
  const Table& decans_;
  const Table& planets_;
  const Table& numbers_;
  const Table& months_;
  const Table& days_;
};

std::vector<std::string> BirthdayText(const BirthdayFacts& facts, const BirthdayProse& prose) {
  static const std::array<std::string, 3> decanNames = {"第一旬"_gbk, "第二旬"_gbk, "第三旬"_gbk};
  std::string sum;
  for (const std::string& step : facts.numberSteps) sum += (sum.empty() ? "" : "，"_gbk) + step;
  const int month = facts.date.month;
  return {
      "【星座】"_gbk + SignName(facts.sign) + "　"_gbk + decanNames[static_cast<std::size_t>(facts.decan - 1)] +
          "（"_gbk + MonthDayText(facts.decanFirst.month, facts.decanFirst.day) + "至"_gbk +
          MonthDayText(facts.decanLast.month, facts.decanLast.day) + "）　守护星："_gbk + facts.ruler,
      "【生日数字】"_gbk + sum + "，生日数字为"_gbk + std::to_string(facts.number),
      "【诞生石】"_gbk + prose.Month(month, "诞生石") + "　【诞生花】"_gbk + prose.Month(month, "诞生花"),
      "【生日寄语】"_gbk + prose.Day(facts.date),
      "【性格画像】"_gbk + prose.Sign(facts.sign, "性格") + prose.Decan(facts.sign, facts.decan) +
          prose.Number(facts.number, "性格"),
      "【诞生月】"_gbk + prose.Month(month, "文字"),
      "【优点】"_gbk + prose.Sign(facts.sign, "优点"),
      "【缺点】"_gbk + prose.Sign(facts.sign, "缺点"),
      "【爱情】"_gbk + prose.Sign(facts.sign, "爱情"),
      "【事业】"_gbk + prose.Sign(facts.sign, "事业") + prose.Number(facts.number, "事业"),
      "【健康】"_gbk + prose.Sign(facts.sign, "健康"),
      "【最佳配对】"_gbk + prose.Sign(facts.sign, "配对"),
      "【幸运数字】"_gbk + std::to_string(facts.number) + "　【幸运颜色】"_gbk + prose.Colour(facts.ruler),
  };
}

}  // namespace

std::vector<Route> HoroscopeRoutes() {
  return {{"/yuncheng_xingzuo_new.php", ForecastPage}, {"/birthday/{}.htm", BirthdayPage}};
}

Page ForecastPage(const Query& query, const Sources& sources) {
  if (query.Text("type") != "w") throw BadRequest("参数 type 应为 w");
  const int sign = query.Integer("xingzuo", 1, kConstellationCount) - 1;
  const WeekSky sky = RememberedSkyOfWeek(WeekStart(sources.Now()));
  const WeekForecast week = ForecastOfWeek(sky, sign);
  std::vector<std::string> lines = PageStart(SignName(sign) + "本周运程 - Velmora 星座运程"_gbk);
  lines.push_back(Div("Velmora 星座运程"_gbk, "top"));
  std::string choices;
  for (int i = 0; i < kConstellationCount; ++i) {
    choices += (i ? " | " : "") + std::string("<a href=\"/yuncheng_xingzuo_new.php?type=w&amp;xingzuo=") +
               std::to_string(i + 1) + "\">" + HtmlEscape(SignName(i)) + "</a>";
  }
  lines.push_back("<div class=\"nav\">" + choices + "</div>");
  lines.push_back(Div(SignName(sign) + "本周运程"_gbk, "head"));
  lines.push_back(Div(ForecastStartMarker()));
  for (const std::string& line : ForecastText(sky, week, ForecastProse(sources))) lines.push_back(Div(line));
  lines.push_back(Div(ForecastEndMarker(), "nav"));
  lines.push_back(Div("天象据 libnova 推算，北京时间；运势仅供参考。"_gbk, "foot"));
  Append(lines, {"</body>", "</html>"});
  return HtmlPage(lines);
}

Page BirthdayPage(const Query& query, const Sources& sources) {
  const std::optional<MonthDay> date = ParseBirthdayKey(query.Capture(0));
  if (!date) return ErrorPage(404, "没有这一天的生日密码：" + GbkToUtf8(query.Capture(0)));
  const BirthdayFacts facts = FactsOfBirthday(*date);
  std::vector<std::string> lines = PageStart(BirthdayPageTitle());
  lines.push_back(Div("Velmora 生日密码"_gbk, "top"));
  lines.push_back(Div(BirthdayStartMarker(), "nav"));
  lines.push_back(Div("您的位置：生日密码 > "_gbk + MonthDayText(date->month, date->day), "note"));
  lines.push_back(Div(MonthDayText(date->month, date->day) + "生日密码"_gbk, "head"));
  lines.push_back(Div("依据西洋占星的星座、十度旬与守护星，以及生日数字和诞生月整理，仅供参考。"_gbk, "note"));
  for (const std::string& line : BirthdayText(facts, BirthdayProse(sources))) lines.push_back(Div(line));
  lines.push_back(Div(BirthdayEndMarker(), "nav"));
  lines.push_back(Div("Velmora 生日密码"_gbk, "foot"));
  Append(lines, {"</body>", "</html>"});
  return HtmlPage(lines);
}

}  // namespace velmora::services
