#include "tools/refdb/reference_sources.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "calendar/lunar_text.h"
#include "calendar/sexagenary.h"
#include "calendar/shichen.h"
#include "calendar/star_sign.h"
#include "text/gbk.h"
#include "tools/refdb/tsv.h"

namespace velmora::tools {
namespace {

enum class KeyOrder { Any, AsListed };

struct Source {
  const char* file;
  const char* table;
  std::vector<std::string> columns;
  std::vector<std::string> keys;
  KeyOrder order = KeyOrder::Any;
};

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> keys;
  for (int n = first; n <= last; ++n) keys.push_back(std::to_string(n));
  return keys;
}

std::vector<std::string> Texts(int first, int last, std::string (*text)(int)) {
  std::vector<std::string> keys;
  for (int i = first; i <= last; ++i) keys.push_back(GbkToUtf8(text(i)));
  return keys;
}

std::string AnimalText(int index) { return ZodiacAnimal(index); }
std::string MonthText(int month) { return LunarMonthText(month, false); }

std::vector<std::string> ElementTriples() {
  static const char* const kElements[] = {"木", "火", "土", "金", "水"};
  std::vector<std::string> keys;
  for (const char* heaven : kElements) {
    for (const char* person : kElements) {
      for (const char* earth : kElements) keys.push_back(std::string(heaven) + person + earth);
    }
  }
  return keys;
}

std::vector<std::string> StarSigns() {
  std::vector<std::string> signs;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const std::string sign = GbkToUtf8(StarSignOfDate(month, day));
      if (!sign.empty() && std::find(signs.begin(), signs.end(), sign) == signs.end()) signs.push_back(sign);
    }
  }
  return signs;
}

std::vector<Source> Sources() {
  return {
      {"eighty_one.tsv", "八十一划", {"数字", "内容"}, Numbers(1, 81)},
      {"three_talents.tsv", "三才吉凶", {"三才", "三才1", "三才2", "吉凶"}, ElementTriples()},
      {"bone_weight.tsv", "称骨算命", {"数字", "内容"}, Numbers(21, 71)},
      {"star_signs.tsv", "星座", {"星座", "内容"}, StarSigns()},
      {"zodiac_animals.tsv", "属相", {"属相", "内容"}, Texts(0, 11, AnimalText)},
      {"lunar_days.tsv", "日份", {"日份", "内容"}, Texts(1, 30, LunarDayText)},
      {"shichen.tsv", "时份", {"时份", "内容"}, Texts(0, 11, [](int i) { return HourToShichen(i * 2); })},
      {"lunar_months.tsv", "月份", {"月份", "内容"}, Texts(1, 12, MonthText)},
      // The five-element page reports its counts in this order.
      {"five_elements.tsv", "五行", {"五行", "数字", "汉字"}, {"金", "木", "水", "火", "土"}, KeyOrder::AsListed},
  };
}

[[noreturn]] void Fault(const std::string& file, const std::string& key, const std::string& what) {
  throw std::runtime_error(file + ", " + key + ": " + what);
}

void CheckGbk(const std::string& file, const std::string& key, const std::string& text) {
  if (GbkToUtf8(Utf8ToGbk(text)) != text) Fault(file, key, "text holds characters outside GBK");
}

bool IsDoubleByteOnly(const std::string& gbk) {
  if (gbk.size() % 2) return false;
  for (std::size_t i = 0; i < gbk.size(); i += 2) {
    if (static_cast<unsigned char>(gbk[i]) < 0x81) return false;
  }
  return true;
}

// The bone-weight reading cuts its text at bytes 32 and 64: two verse lines
// of sixteen double-byte characters, then the commentary (up to byte 528).
void CheckVerseLayout(const std::string& file, const std::string& key, const std::string& text) {
  const std::string gbk = Utf8ToGbk(text);
  if (gbk.size() <= 64 || gbk.size() > 528) Fault(file, key, "verse text must be 65 to 528 GBK bytes");
  if (!IsDoubleByteOnly(gbk.substr(0, 64))) Fault(file, key, "verse lines must be 16 double-byte characters each");
}

void CheckNameCharacters(const std::string& file, const std::string& key, const std::string& text,
                         std::set<std::string>& seen) {
  const std::string gbk = Utf8ToGbk(text);
  if (gbk.empty() || !IsDoubleByteOnly(gbk)) Fault(file, key, "name characters must be double-byte only");
  for (std::size_t i = 0; i < gbk.size(); i += 2) {
    if (!seen.insert(gbk.substr(i, 2)).second) Fault(file, key, "character listed twice: " + GbkToUtf8(gbk.substr(i, 2)));
  }
}

}  // namespace

std::vector<ReferenceTable> LoadReferenceTables(const std::string& sourceFolder) {
  std::vector<ReferenceTable> tables;
  for (const Source& source : Sources()) {
    const TsvTable tsv = ReadTsv(sourceFolder + "/" + source.file);
    if (tsv.columns != source.columns) Fault(source.file, "header", "columns differ from the table's");
    std::vector<std::string> keys;
    std::set<std::string> elementCharacters;
    ReferenceTable table{source.table, source.columns, {}};
    for (const auto& row : tsv.rows) {
      const std::string& key = row[0];
      keys.push_back(key);
      std::vector<std::string> expanded;
      for (const std::string& field : row) {
        if (field.empty()) Fault(source.file, key, "empty field");
        CheckGbk(source.file, key, field);
        expanded.push_back(ExpandLineBreaks(field));
      }
      if (source.table == std::string("称骨算命")) CheckVerseLayout(source.file, key, row[1]);
      if (source.table == std::string("五行")) CheckNameCharacters(source.file, key, row[2], elementCharacters);
      table.rows.push_back(std::move(expanded));
    }
    std::vector<std::string> expected = source.keys;
    if (source.order == KeyOrder::Any) {
      std::sort(keys.begin(), keys.end());
      std::sort(expected.begin(), expected.end());
    }
    if (keys != expected) Fault(source.file, "keys", "must be exactly the table's keys, each once");
    tables.push_back(std::move(table));
  }
  return tables;
}

NumerologyVerdicts ReadNumerologyVerdicts(const std::vector<ReferenceTable>& tables) {
  static const std::set<std::string> kNumberClasses = {"吉", "凶", "半吉", "吉带凶", "凶带吉"};
  static const std::set<std::string> kTalentClasses = {"大吉", "吉", "中吉", "半吉", "凶", "大凶"};
  auto verdictClass = [](const std::string& table, const std::string& key, const std::string& text,
                         const std::set<std::string>& allowed) {
    std::string found = TrailingVerdictClass(text);
    if (!allowed.count(found)) Fault(table, key, "verdict must end with a class in full-width brackets");
    return found;
  };
  NumerologyVerdicts verdicts;
  for (const ReferenceTable& table : tables) {
    for (const auto& row : table.rows) {
      if (table.name == "八十一划") {
        verdicts.numberClass[std::stoi(row[0])] = verdictClass(table.name, row[0], row[1], kNumberClasses);
      }
      if (table.name == "三才吉凶") {
        verdicts.talentClass[row[0]] = verdictClass(table.name, row[0], row[3], kTalentClasses);
      }
    }
  }
  return verdicts;
}

}  // namespace velmora::tools
