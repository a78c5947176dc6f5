#include "calendar/era_table.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "text/gbk.h"

namespace velmora {
namespace {

constexpr const char* kEraRows[] = {
#include "calendar/era_chronology.inc"
};

struct Era {
  std::string row;  // GBK
  int start = 0;
  std::string dynasty, title, personalName, eraName;
};

std::vector<std::string_view> SplitFields(std::string_view row) {
  std::vector<std::string_view> fields;
  for (std::size_t from = 0;;) {
    const std::size_t comma = row.find(',', from);
    fields.push_back(row.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
    if (comma == std::string_view::npos) return fields;
    from = comma + 1;
  }
}

const std::vector<Era>& Eras() {
  static const std::vector<Era> eras = [] {
    std::vector<Era> parsed;
    for (const char* utf8 : kEraRows) {
      Era era;
      era.row = Utf8ToGbk(utf8);
      const std::vector<std::string_view> fields = SplitFields(era.row);
      // GBK trail bytes never equal ',' (0x2C), so splitting the GBK row is safe.
      std::from_chars(fields.at(0).data(), fields.at(0).data() + fields.at(0).size(), era.start);
      era.dynasty = fields.at(3);
      era.title = fields.at(4);
      era.personalName = fields.at(5);
      era.eraName = fields.at(6);
      parsed.push_back(std::move(era));
    }
    return parsed;
  }();
  return eras;
}

constexpr int kFirstEraYear = -2069;
constexpr int kFirstCommonEraYear = 1949;

}  // namespace

int EraRowCount() { return static_cast<int>(Eras().size()); }

const std::string& EraRow(int index) { return Eras().at(static_cast<std::size_t>(index)).row; }

std::string EraTextOfYear(int year) {
  if (year >= kFirstCommonEraYear || year < kFirstEraYear) return {};
  const std::vector<Era>& eras = Eras();
  for (std::size_t i = 0; i + 1 < eras.size(); ++i) {
    const Era& era = eras[i];
    if (era.start <= year && year < eras[i + 1].start) {
      const std::string count = year == era.start ? "元"_gbk : std::to_string(year - era.start + 1);
      return "[" + era.dynasty + "]" + era.title + " " + era.personalName + " " + era.eraName + count + "年"_gbk;
    }
  }
  return {};
}

}  // namespace velmora
