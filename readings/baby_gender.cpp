#include "readings/baby_gender.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "calendar/lunar_text.h"
#include "readings/decimal_text.h"
#include "text/gbk.h"

namespace velmora {
namespace {

// The girl cells of the chart, one line per age.
constexpr std::array<int, 164> kGirlKeys = {
    118, 318,                                                  // 18
    219, 419, 519, 819, 919, 1019,                             // 19
    120, 320, 1020,                                            // 20
    221, 321, 421, 521, 621, 721, 821, 921, 1021, 1121, 1221,  // 21
    122, 422, 622, 722, 922, 1022, 1122, 1222,                 // 22
    323, 623, 823, 1223,                                       // 23
    224, 524, 824, 924, 1024, 1124, 1224,                      // 24
    125, 325, 425, 625,                                        // 25
    226, 526, 726, 926, 1026, 1126, 1226,                      // 26
    127, 327, 427, 527, 627, 1027,                             // 27
    228, 428, 528, 628, 1128, 1228,                            // 28
    129, 329, 1029, 1129, 1229,                                // 29
    230, 330, 430, 530, 630, 730, 830, 930, 1130,              // 30
    231, 431, 531, 631, 731, 831, 931, 1031,                   // 31
    232, 432, 532, 632, 732, 832, 932, 1032,                   // 32
    133, 333, 533, 633, 733, 933, 1033, 1133,                  // 33
    234, 434, 534, 634, 734, 834, 934, 1034,                   // 34
    335, 535, 635, 735, 935, 1035, 1135,                       // 35
    136, 436, 636, 736, 836, 1236,                             // 36
    237, 537, 737, 937, 1137,                                  // 37
    138, 338, 638, 838, 1038,                                  // 38
    239, 639, 739, 939, 1139, 1239,                            // 39
    140, 340, 540, 840, 1040,                                  // 40
    241, 441, 641, 941, 1141,                                  // 41
    142, 342, 542, 1042, 1242,                                 // 42
    243, 443, 643, 743, 843,                                   // 43
    344, 744, 944, 1144, 1244,                                 // 44
};

// By age×10+position (0 男孩, 1 女孩). These lists follow the chart except in
// month 7 of ages 42 and 43, which they read the other way round; both tables
// are kept as they were handed down.
const std::map<int, std::string>& ConceptionMonthLists() {
  static const std::map<int, std::string> lists = [] {
    const std::pair<int, const char*> table[54] = {
        {180, "今年2、4、5、6、7、8、9、10、11、12月份\r\r明年1、3、6、7、11、12月份。"},
        {181, "今年1、3月份\r\r明年2、4、5、8、9、10月份。"},
        {190, "今年1、3、6、7、11、12月份\r\r明年2、4、5、6、7、8、9、11、12月份。"},
        {191, "今年2、4、5、8、9、10月份\r\r明年1、3、10月份。"},
        {200, "今年2、4、5、6、7、8、9、11、12月份\r\r明年1月份。"},
        {201, "今年1、3、10月份\r\r明年2、3、4、5、6、7、8、9、10、11、12月份。"},
        {210, "今年1月份\r\r明年2、3、5、8月份。"},
        {211, "今年2、3、4、5、6、7、8、9、10、11、12月份\r\r明年1、4、6、7、9、10、11、12月份。"},
        {220, "今年2、3、5、8月份\r\r明年1、2、4、5、7、9、10、11月份。"},
        {221, "今年1、4、6、7、9、10、11、12月份\r\r明年3、6、8、12月份。"},
        {230, "今年1、2、4、5、7、9、10、11月份\r\r明年1、3、4、6、7月份。"},
        {231, "今年3、6、8、12月份\r\r明年2、5、8、9、10、11、12月份。"},
        {240, "今年1、3、4、6、7月份\r\r明年2、5、7、8、9、10、11、12月份。"},
        {241, "今年2、5、8、9、10、11、12月份\r\r明年1、3、4、6月份。"},
        {250, "今年2、5、7、8、9、10、11、12月份\r\r明年1、3、4、6、8月份。"},
        {251, "今年1、3、4、6月份\r\r明年2、5、7、9、10、11、12月份。"},
        {260, "今年1、3、4、6、8月份\r\r明年2、7、8、9、11、12月份。"},
        {261, "今年2、5、7、9、10、11、12月份\r\r明年1、3、4、5、6、10月份。"},
        {270, "今年2、7、8、9、11、12月份\r\r明年1、3、7、8、9、10月份。"},
        {271, "今年1、3、4、5、6、10月份\r\r明年2、4、5、6、11、12月份。"},
        {280, "今年1、3、7、8、9、10月份\r\r明年2、4、5、6、7、8、9月份。"},
        {281, "今年2、4、5、6、11、12月份\r\r明年1、3、10、11、12月份。"},
        {290, "今年2、4、5、6、7、8、9月份\r\r明年1、10、12月份。"},
        {291, "今年1、3、10、11、12月份\r\r明年2、3、4、5、6、7、8、9、11月份。"},
        {300, "今年1、10、12月份\r\r明年1、3、11、12月份。"},
        {301, "今年2、3、4、5、6、7、8、9、11月份\r\r明年2、4、5、6、7、8、9、10月份。"},
        {310, "今年1、3、11、12月份\r\r明年1、3、11、12月份。"},
        {311, "今年2、4、5、6、7、8、9、10月份\r\r明年2、4、5、6、7、8、9、10月份。"},
        {320, "今年1、3、11、12月份\r\r明年2、4、8、12月份。"},
        {321, "今年2、4、5、6、7、8、9、10月份\r\r明年1、3、5、6、7、9、10、11月份。"},
        {330, "今年2、4、8、12月份\r\r明年1、3、11、12月份。"},
        {331, "今年1、3、5、6、7、9、10、11月份\r\r明年2、4、5、6、7、8、9、10月份。"},
        {340, "今年1、3、11、12月份\r\r明年1、2、4、8、12月份。"},
        {341, "今年2、4、5、6、7、8、9、10月份\r\r明年3、5、6、7、9、10、11月份。"},
        {350, "今年1、2、4、8、12月份\r\r明年2、3、5、9、10、11月份。"},
        {351, "今年3、5、6、7、9、10、11月份\r\r明年1、4、6、7、8、12月份。"},
        {360, "今年2、3、5、9、10、11月份\r\r明年1、3、4、6、8、10、12月份。"},
        {361, "今年1、4、6、7、8、12月份\r\r明年2、5、7、9、11月份。"},
        {370, "今年1、3、4、6、8、10、12月份\r\r明年2、4、5、7、9、11、12月份。"},
        {371, "今年2、5、7、9、11月份\r\r明年1、3、6、8、10月份。"},
        {380, "今年2、4、5、7、9、11、12月份\r\r明年1、3、4、5、8、10月份。"},
        {381, "今年1、3、6、8、10月份\r\r明年2、6、7、9、11、12月份。"},
        {390, "今年1、3、4、5、8、10月份\r\r明年2、4、6、7、9、11、12月份。"},
        {391, "今年2、6、7、9、11、12月份\r\r明年1、3、5、8、10月份。"},
        {400, "今年2、4、6、7、9、11、12月份\r\r明年1、3、5、7、8、10、12月份。"},
        {401, "今年1、3、5、8、10月份\r\r明年2、4、6、9、11月份。"},
        {410, "今年1、3、5、7、8、10、12月份\r\r明年2、4、6、8、9、11月份。"},
        {411, "今年2、4、6、9、11月份\r\r明年1、3、5、7、10、12月份。"},
        {420, "今年2、4、6、8、9、11月份\r\r明年1、3、5、7、9、10、11、12月份。"},
        {421, "今年1、3、5、7、10、12月份\r\r明年2、4、6、8月份。"},
        {430, "今年1、3、5、7、9、10、11、12月份\r\r明年1、2、4、5、6、8、10月份。"},
        {431, "今年2、4、6、8月份\r\r明年3、7、9、11、12月份。"},
        {440, "今年1、2、4、5、6、8、10月份。"},
        {441, "今年3、7、9、11、12月份。"},
    };
    std::map<int, std::string> gbk;
    for (const auto& [key, text] : table) gbk[key] = Utf8ToGbk(text);
    return gbk;
  }();
  return lists;
}

// The last decimal digit decides; for the rules' sums that is the parity.
std::string SexOfNumber(int number) { return number % 2 == 0 ? "女"_gbk : "男"_gbk; }

template <typename Name>
std::vector<std::string> Numbered(int first, int last, Name name) {
  std::vector<std::string> items;
  for (int number = first; number <= last; ++number) items.push_back(name(number));
  return items;
}

}  // namespace

bool IsGirlKey(int chartKey) {
  return std::find(kGirlKeys.begin(), kGirlKeys.end(), chartKey) != kGirlKeys.end();
}

ChartAnswer QueryGenderChart(const std::string& monthText, const std::string& ageText) {
  const bool girl = IsGirlKey(ParseDecimal(monthText + ageText));
  return {girl, girl ? "女孩！"_gbk : "男孩！"_gbk};
}

std::string InitialMonthsHolder() {
  return Utf8ToGbk(
      "    本生男生女根据《古代胎儿预测\r\n"
      "术》及《日本科学育儿预测》编制而\r\n"
      "成，准确率达到百分之九九点九八。\r\n"
      "\r\n"
      "    请不要将预测结果用于非法目的");
}

std::string QueryConceptionMonths(const std::string& ageText, int wishPosition, std::string& holder) {
  const int key = ParseDecimal(ageText + std::to_string(wishPosition));
  if (const auto entry = ConceptionMonthLists().find(key); entry != ConceptionMonthLists().end()) {
    holder = entry->second;
  }
  return holder + "\r\r" + "在上述月份怀孕，心想事成！"_gbk;
}

std::vector<std::string> BirthYearItems() {
  return Numbered(1961, 1990, [](int year) { return std::to_string(year) + "年"_gbk; });
}

std::vector<std::string> LunarMonthItems() {
  return {"正月"_gbk, "二月"_gbk, "三月"_gbk, "四月"_gbk, "五月"_gbk,   "六月"_gbk,
          "七月"_gbk, "八月"_gbk, "九月"_gbk, "十月"_gbk, "十一月"_gbk, "十二月"_gbk};
}

std::vector<std::string> LunarDayItems() { return Numbered(1, 30, LunarDayText); }

std::vector<std::string> MotherAgeItems() {
  return Numbered(15, 45, [](int age) { return std::to_string(age) + "岁"_gbk; });
}

std::string TrigramSex(const std::array<int, 7>& positions) {
  return SexOfNumber(std::accumulate(positions.begin(), positions.end(), 108));
}

std::string FolkRuleSex(int monthPosition, int agePosition) {
  return SexOfNumber(49 + (monthPosition + 1) - (agePosition + 15));
}

}  // namespace velmora
