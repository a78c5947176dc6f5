#include "calendar/solar_terms.h"

#include <array>
#include <cmath>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/per_year_cache.h"
#include "text/gbk.h"

namespace velmora {
namespace {

using YearTermDays = std::array<DayNumber, 24>;

DayNumber SolarTermDay(int year, int n) {
  return DayNumberOf(year, 1, 0) + static_cast<DayNumber>(std::floor(SolarTermMoment(year, n)));
}

YearTermDays ComputeYearTermDays(int year) {
  YearTermDays days{};
  for (int n = 1; n <= 24; ++n) days[static_cast<std::size_t>(n - 1)] = SolarTermDay(year, n);
  return days;
}

const YearTermDays& CachedYearTermDays(int year) {
  static PerYearCache<YearTermDays, 1, 2101> cache;
  return cache.Get(year, ComputeYearTermDays);
}

}  // namespace

const std::string& SolarTermName(int index) {
  static const std::array<std::string, 24> names = {
      "立春"_gbk, "雨水"_gbk, "惊蛰"_gbk, "春分"_gbk, "清明"_gbk, "谷雨"_gbk, "立夏"_gbk, "小满"_gbk,
      "芒种"_gbk, "夏至"_gbk, "小暑"_gbk, "大暑"_gbk, "立秋"_gbk, "处暑"_gbk, "白露"_gbk, "秋分"_gbk,
      "寒露"_gbk, "霜降"_gbk, "立冬"_gbk, "小雪"_gbk, "大雪"_gbk, "冬至"_gbk, "小寒"_gbk, "大寒"_gbk};
  return names.at(static_cast<std::size_t>(index));
}

double SolarTermMoment(int year, int n) {
  const double y = year;
  const double a = (365.2423112 - 6.4e-14 * (y - 100) * (y - 100) - 3.047e-8 * (y - 100)) * y + 15.218427 * n +
                   1721050.71301;
  const double theta = 0.0003 * y - 0.372781384 - 0.2617913325 * n;
  const double b = (1.945 * std::sin(theta) - 0.01206 * std::sin(2 * theta)) * (1.048994 - 0.00002583 * y);
  const double c = -0.0018 * std::sin(2.313908653 * y - 0.439822951 - 3.0443 * n);
  return a + b + c - DayNumberOf(year, 1, 0) - 1721425;
}

CivilDate SolarTermDate(int year, int n) { return DateOfDayNumber(SolarTermDay(year, n)).value_or(CivilDate{}); }

// Terms are matched by day number rather than by "month m holds terms 2m-1
// and 2m": under the Julian calendar that rule loses the terms that drifted
// into the month before, up to half of them by 1582.
std::string SolarTermOfDate(int year, int month, int day) {
  if (!IsExistingDate({year, month, day})) return {};
  const DayNumber date = DayNumberOf(year, month, day);
  for (int termYear = year - 1; termYear <= year + 1; ++termYear) {
    if (termYear < 1) continue;
    const YearTermDays& days = CachedYearTermDays(termYear);
    for (int n = 1; n <= 24; ++n) {
      if (days[static_cast<std::size_t>(n - 1)] == date) return SolarTermName((n + 21) % 24);
    }
  }
  return {};
}

}  // namespace velmora
