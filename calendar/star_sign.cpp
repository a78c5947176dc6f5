#include "calendar/star_sign.h"

#include <array>

#include "text/gbk.h"

namespace velmora {

std::string StarSignOfDate(int month, int day) {
  struct Range {
    int from;
    int to;
    const std::string& sign;
  };
  static const std::array<Range, 13> ranges = {{
      {101, 119, "摩羯座"_gbk},
      {120, 218, "水瓶座"_gbk},
      {219, 320, "双鱼座"_gbk},
      {321, 419, "白羊座"_gbk},
      {420, 520, "金牛座"_gbk},
      {521, 621, "双子座"_gbk},
      {622, 722, "巨蟹座"_gbk},
      {723, 822, "狮子座"_gbk},
      {823, 922, "处女座"_gbk},
      {923, 1023, "天秤座"_gbk},
      {1024, 1121, "天蝎座"_gbk},
      {1122, 1221, "射手座"_gbk},
      {1222, 1231, "摩羯座"_gbk},
  }};
  if (day < 1 || day > 31) return {};
  const int key = month * 100 + day;
  for (const Range& range : ranges) {
    if (key >= range.from && key <= range.to) return range.sign;
  }
  return {};
}

}  // namespace velmora
