#include "readings/bone_weight.h"

#include <array>
#include <map>

#include "calendar/sexagenary.h"
#include "calendar/shichen.h"
#include "calendar/star_sign.h"
#include "readings/decimal_text.h"
#include "text/html_text.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora {
namespace {

using WeightTable = std::map<std::string, std::string>;

// Weights in 钱 as two-digit texts, keyed by the GBK text the value labels hold.
template <std::size_t N>
WeightTable ToGbkKeys(const std::pair<const char*, const char*> (&table)[N]) {
  WeightTable gbk;
  for (const auto& [key, weight] : table) gbk[Utf8ToGbk(key)] = weight;
  return gbk;
}

const WeightTable& YearWeights() {
  static const WeightTable weights = [] {
    const std::pair<const char*, const char*> table[60] = {
        {"甲子年", "12"}, {"甲戌年", "15"}, {"甲申年", "05"}, {"甲午年", "15"}, {"甲辰年", "08"}, {"甲寅年", "12"},
        {"乙丑年", "09"}, {"乙亥年", "09"}, {"乙酉年", "15"}, {"乙未年", "06"}, {"乙巳年", "07"}, {"乙卯年", "08"},
        {"丙寅年", "06"}, {"丙子年", "16"}, {"丙戌年", "06"}, {"丙申年", "05"}, {"丙午年", "13"}, {"丙辰年", "08"},
        {"丁卯年", "07"}, {"丁丑年", "08"}, {"丁亥年", "16"}, {"丁酉年", "14"}, {"丁未年", "05"}, {"丁巳年", "06"},
        {"戊辰年", "12"}, {"戊寅年", "08"}, {"戊子年", "15"}, {"戊戌年", "14"}, {"戊申年", "14"}, {"戊午年", "19"},
        {"己巳年", "05"}, {"己卯年", "19"}, {"己丑年", "07"}, {"己亥年", "09"}, {"己酉年", "05"}, {"己未年", "06"},
        {"庚午年", "09"}, {"庚辰年", "12"}, {"庚寅年", "09"}, {"庚子年", "07"}, {"庚戌年", "09"}, {"庚申年", "08"},
        {"辛未年", "08"}, {"辛巳年", "06"}, {"辛卯年", "12"}, {"辛丑年", "07"}, {"辛亥年", "17"}, {"辛酉年", "16"},
        {"壬申年", "07"}, {"壬午年", "08"}, {"壬辰年", "10"}, {"壬寅年", "09"}, {"壬子年", "05"}, {"壬戌年", "10"},
        {"癸酉年", "08"}, {"癸未年", "07"}, {"癸巳年", "07"}, {"癸卯年", "12"}, {"癸丑年", "07"}, {"癸亥年", "06"},
    };
    return ToGbkKeys(table);
  }();
  return weights;
}

const WeightTable& MonthWeights() {
  static const WeightTable weights = [] {
    const std::pair<const char*, const char*> table[12] = {
        {"正月", "06"}, {"二月", "07"}, {"三月", "18"}, {"四月", "09"}, {"五月", "05"}, {"六月", "16"},
        {"七月", "09"}, {"八月", "15"}, {"九月", "18"}, {"十月", "08"}, {"冬月", "09"}, {"腊月", "05"},
    };
    return ToGbkKeys(table);
  }();
  return weights;
}

const WeightTable& DayWeights() {
  static const WeightTable weights = [] {
    const std::pair<const char*, const char*> table[30] = {
        {"初一", "05"}, {"初二", "10"}, {"初三", "08"}, {"初四", "15"}, {"初五", "16"}, {"初六", "15"},
        {"初七", "08"}, {"初八", "16"}, {"初九", "08"}, {"初十", "16"}, {"十一", "09"}, {"十二", "17"},
        {"十三", "08"}, {"十四", "17"}, {"十五", "10"}, {"十六", "08"}, {"十七", "09"}, {"十八", "18"},
        {"十九", "05"}, {"二十", "15"}, {"廿一", "10"}, {"廿二", "09"}, {"廿三", "08"}, {"廿四", "09"},
        {"廿五", "15"}, {"廿六", "18"}, {"廿七", "07"}, {"廿八", "08"}, {"廿九", "16"}, {"三十", "06"},
    };
    return ToGbkKeys(table);
  }();
  return weights;
}

// By birth hour 0..23, grouped as the two-hour periods are.
const std::string& HourWeight(int hour) {
  static const std::array<std::string, 12> byPeriod = {"16", "06", "07", "10", "09", "16",
                                                       "10", "08", "08", "09", "06", "06"};
  return byPeriod[static_cast<std::size_t>((hour + 1) / 2 % 12)];
}

void SetIfListed(ValueLabels& labels, const char* label, const WeightTable& table,
                 const std::string& key) {
  if (const auto found = table.find(key); found != table.end()) labels.Set(label, found->second);
}

std::string LookupContent(ReferenceDb& db, const std::string& table, const std::string& key) {
  db.Lookup("select * from "_gbk + table + " where " + table + " = \"" + key + "\"");
  return db.FieldText("内容"_gbk);
}

}  // namespace

int WeighBirth(const BirthProfile& profile, ValueLabels& labels) {
  labels.Set("Label57", "07");
  labels.Set("Label60", "06");
  labels.Set("Label61", "05");
  labels.Set("Label59", "16");
  labels.Set("Label49", HourToShichen(profile.birthHourIndex));
  const YearCycle cycle = BirthYearCycle(profile.birthDate);
  labels.Set("Label47", cycle.yearName);
  labels.Set("Label48", cycle.animal);
  std::string month = profile.cnMonth;
  if (CharacterAt(month, 1) == "闰"_gbk) month = CharacterAt(month, 2) + "月"_gbk;
  labels.Set("Label53", month);
  labels.Set("Label54", profile.cnDay);
  SetIfListed(labels, "Label57", YearWeights(), labels.Get("Label47"));
  labels.Set("Label59", HourWeight(profile.birthHourIndex));
  SetIfListed(labels, "Label60", MonthWeights(), labels.Get("Label53"));
  SetIfListed(labels, "Label61", DayWeights(), labels.Get("Label54"));
  const int total = ParseDecimal(labels.Get("Label57")) + ParseDecimal(labels.Get("Label59")) +
                    ParseDecimal(labels.Get("Label60")) + ParseDecimal(labels.Get("Label61"));
  labels.Set("lbl7", std::to_string(total));
  return total;
}

void BoneWeightReading(ReferenceDb& db, const BirthProfile& profile, ValueLabels& labels, ReportPage& page) {
  const int total = WeighBirth(profile, labels);

  db.Lookup("select * from 称骨算命 where 数字 = \""_gbk + std::to_string(total) + "\"");
  const std::string verse = db.FieldText("内容"_gbk);
  labels.Set("Label58", BytesAt(verse, 1, 32));
  labels.Set("Label62", BytesAt(verse, 33, 32));
  labels.Set("Label22", BytesAt(verse, 65, 464));
  const CivilDate& birth = profile.birthDate.date;
  labels.Set("Label51", StarSignOfDate(birth.month, birth.day));

  const std::string sign = "你的星座是"_gbk + labels.Get("Label51") + "。这个星座的人一般都是"_gbk +
                           LookupContent(db, "星座"_gbk, labels.Get("Label51"));
  const std::string animal = "你的星相是"_gbk + labels.Get("Label48") + "。此属相基本都是"_gbk +
                             LookupContent(db, "属相"_gbk, labels.Get("Label48"));
  const std::string day = "你的生日是农历"_gbk + labels.Get("Label54") + "。这个日子出生的人总体上"_gbk +
                          LookupContent(db, "日份"_gbk, labels.Get("Label54"));
  const std::string period = "你在"_gbk + labels.Get("Label49") + "出生。此时出生的人"_gbk +
                             LookupContent(db, "时份"_gbk, labels.Get("Label49"));
  const std::string month = "你在"_gbk + labels.Get("Label53") + "出生。此月份出生的人一般都是"_gbk +
                            LookupContent(db, "月份"_gbk, labels.Get("Label53"));
  labels.Set("Label50", "生于"_gbk + FormatDate(birth) + "。农历"_gbk + labels.Get("Label47") +
                            labels.Get("Label53") + labels.Get("Label54") + labels.Get("Label49") + "属"_gbk +
                            labels.Get("Label48") + "，"_gbk + labels.Get("Label51") + "。"_gbk);

  const std::string indent = "    ";
  const std::vector<std::string> lines = {
      HtmlEscape(profile.name),
      "",
      labels.Get("Label50") + "命骨重量"_gbk + labels.Get("lbl7") + "钱。"_gbk,
      "",
      "",
      indent + labels.Get("Label58"),
      indent + labels.Get("Label62"),
      "",
      indent + labels.Get("Label22"),
      "",
      indent + day,
      "",
      indent + sign,
      "",
      indent + period,
      "",
      indent + month,
      "",
      indent + animal,
  };
  page.BeginPage(PageTitleLine("八字算命"_gbk), SmallFontSeparator());
  for (const std::string& line : lines) page.AddParagraph(line);
}

}  // namespace velmora
