#include "calendar/lunar_text.h"

#include <array>

#include "text/gbk.h"

namespace velmora {

const std::string& LunarMonthName(int month) {
  static const std::array<std::string, 12> names = {"正"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk, "六"_gbk,
                                                    "七"_gbk, "八"_gbk, "九"_gbk, "十"_gbk, "冬"_gbk, "腊"_gbk};
  return names.at(static_cast<std::size_t>(month - 1));
}

std::string LunarMonthText(int month, bool leap) {
  if (leap) return "闰"_gbk + LunarMonthName(month);
  return LunarMonthName(month) + "月"_gbk;
}

std::string FullLunarMonthText(int month, bool leap) {
  return (leap ? "闰"_gbk : std::string()) + LunarMonthName(month) + "月"_gbk;
}

std::string LunarDayText(int day) {
  static const std::array<std::string, 9> digits = {"一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk,
                                                    "六"_gbk, "七"_gbk, "八"_gbk, "九"_gbk};
  if (day < 1 || day > 30) return {};
  if (day == 10) return "初十"_gbk;
  if (day == 20) return "二十"_gbk;
  if (day == 30) return "三十"_gbk;
  static const std::array<std::string, 3> prefixes = {"初"_gbk, "十"_gbk, "廿"_gbk};
  return prefixes[static_cast<std::size_t>(day / 10)] + digits[static_cast<std::size_t>(day % 10 - 1)];
}

}  // namespace velmora
