#include "calendar/startup_lunar.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "calendar/lunar_conversion.h"
#include "calendar/lunar_text.h"

namespace velmora {
namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// Per year: the lunar day of 1 January (bit 7 set: in month 12, else month 11),
// a 16-bit mask of 30-day months starting with the month in progress on
// 1 January, and the month followed by a leap month.
constexpr std::array<std::uint32_t, kLastYear - kFirstYear + 1> kYearRecords = {
    0x0b52ba00, 0x16a95d00, 0x83a93705, 0x0e749b00, 0x1ab65500, 0x87b55504, 0x1155aa00, 0x1ca6b500, 0x8aa57502, 0x1452ba00,  // 1901-1910
    0x81526e06, 0x0de93700, 0x18749700, 0x86ea9605, 0x106d5500, 0x1a35aa00, 0x884b6a02, 0x13a56d00, 0x1ed26e07, 0x0bd25e00,  // 1911-1920
    0x17e92e00, 0x84d92d05, 0x0fda9500, 0x195b5200, 0x8756d404, 0x114ada00, 0x1ca55d00, 0x89a4bd02, 0x15d25d00, 0x82b25b06,  // 1921-1930
    0x0db52b00, 0x18ba9500, 0x86b6a505, 0x1056b400, 0x1a4ada00, 0x8749ba03, 0x13a4bb00, 0x1eb25b07, 0x0b725700, 0x16752b00,  // 1931-1940
    0x846d2a06, 0x0fad5500, 0x1955aa00, 0x86556c04, 0x12c97600, 0x1c64b700, 0x8ae4ae02, 0x15ea5600, 0x83da5507, 0x0d5b2a00,  // 1941-1950
    0x18ad5500, 0x85aad505, 0x10536a00, 0x1ba96d00, 0x88a95d03, 0x13d4ae00, 0x81d4ab08, 0x0cba5500, 0x165aaa00, 0x8356aa06,  // 1951-1960
    0x0faad500, 0x1952da00, 0x8652ba04, 0x11a95d00, 0x1dd49b00, 0x8a749b03, 0x15b65500, 0x82ad5507, 0x0d55aa00, 0x18a5b500,  // 1961-1970
    0x85a57505, 0x0f52b600, 0x1b693700, 0x89e93704, 0x13749700, 0x81ea9608, 0x0c6d5200, 0x162daa00, 0x834b6a06, 0x0ea56d00,  // 1971-1980
    0x1ad26e00, 0x87d25e04, 0x12e92e00, 0x1dec960a, 0x0bda9500, 0x155b5200, 0x8256d206, 0x0c2ada00, 0x18a4dd00, 0x85a4bd05,  // 1981-1990
    0x10d25d00, 0x1bd92d00, 0x89b52b03, 0x14ba9500, 0x81b59508, 0x0b56b200, 0x162ada00, 0x8349b605, 0x0e64bb00, 0x19b25b00,  // 1991-2000
    0x876a5704, 0x12752b00, 0x1db69500, 0x8aad5502, 0x1555aa00, 0x82556c07, 0x0dc97600, 0x1764b700, 0x86e4ae05, 0x11ea5600,  // 2001-2010
    0x1b6d2a00, 0x885aaa04, 0x14ad5500, 0x81aad509, 0x0b52ea00, 0x16a96d00, 0x84a95d06, 0x0fd4ae00, 0x1aea4d00, 0x87ba5504,  // 2011-2020
    0x125aaa00, 0x1dab5500, 0x8aa6d502, 0x1452da00, 0x8252ba06, 0x0da93b00, 0x18b49b00, 0x85749b05, 0x11b54d00, 0x1cd6a900,  // 2021-2030
    0x8835aa03, 0x13a5b500, 0x81a5750b, 0x0b52b600, 0x16693700, 0x84e92f06, 0x10f49700, 0x1a754b00, 0x876d5205, 0x112d6900,  // 2031-2040
    0x1d95b500, 0x8aa56d02, 0x15d26e00, 0x82d25e07, 0x0ee92e00, 0x19ea9600, 0x86da9505, 0x105b4a00, 0x1cab6900, 0x882ad803,  // 2041-2050
};

int DayOfGregorianYear(const CivilDate& date) {
  static constexpr int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const bool leapYear = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  return kBefore[date.month - 1] + date.day + (leapYear && date.month > 2 ? 1 : 0);
}

}  // namespace

int StartupLunarCode(const CivilDate& date) {
  if (date.year < kFirstYear || date.year > kLastYear) return 0;
  const std::uint32_t record = kYearRecords[static_cast<std::size_t>(date.year - kFirstYear)];
  const int b0 = static_cast<int>(record >> 24);
  const int mask = static_cast<int>((record >> 8) & 0xFFFF);
  const int leap = static_cast<int>(record & 0xFF);
  const int offset = b0 & 0x7F;

  std::array<int, 16> length{}, month{};
  month[0] = (b0 & 0x80) ? 12 : 11;
  for (int s = 0; s < 16; ++s) length[s] = (mask >> (15 - s)) & 1 ? 30 : 29;
  for (int s = 0; s < 15; ++s) {
    if (month[s] == leap) {
      month[s + 1] = -leap;  // the leap month is written negative
    } else {
      const int next = std::abs(month[s]) + 1;
      month[s + 1] = next > 12 ? 1 : next;
    }
  }

  const int j = DayOfGregorianYear(date) - 1;
  int lunarMonth = 0;
  int lunarDay = 0;
  if (j <= length[0] - offset) {
    lunarDay = offset + j;
    lunarMonth = month[0];
    // The month in progress on 1 January may be last year's leap month.
    if (date.year > kFirstYear && StartupLunarCode({date.year - 1, 12, 31}) < 0) lunarMonth = -lunarMonth;
  } else {
    int covered = length[0] - offset;
    int s = 1;
    while (s < 15 && j > covered + length[s]) covered += length[s++];
    lunarMonth = month[s];
    lunarDay = j - covered;
  }
  return lunarMonth > 0 ? lunarMonth * 100 + lunarDay : lunarMonth * 100 - lunarDay;
}

std::string StartupLunarText(const CivilDate& date) {
  const int code = StartupLunarCode(date);
  if (code == 0) {
    const std::optional<LunarDate> lunar = SolarToLunar(date);
    if (!lunar) return {};
    return LunarMonthText(lunar->month, lunar->leap) + LunarDayText(lunar->day);
  }
  const int month = code / 100;
  return LunarMonthText(std::abs(month), month < 0) + LunarDayText(std::abs(code) % 100);
}

}  // namespace velmora
