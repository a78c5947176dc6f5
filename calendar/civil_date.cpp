#include "calendar/civil_date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace velmora {

DateTime LocalNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
}

bool IsLeapYear(int year) {
  if (year >= 1583) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return year % 4 == 0;
}

int MonthLength(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLengths[month - 1];
}

bool IsDroppedReformDay(const CivilDate& date) {
  return date >= CivilDate{1582, 10, 5} && date <= CivilDate{1582, 10, 14};
}

bool IsExistingDate(const CivilDate& date) {
  if (date.month < 1 || date.month > 12) return false;
  if (date.day < 1 || date.day > MonthLength(date.year, date.month)) return false;
  return !IsDroppedReformDay(date);
}

std::string FormatDate(const CivilDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::optional<CivilDate> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto number = [&](std::size_t from, std::size_t count) -> std::optional<int> {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
  if (!year || !month || !day) return std::nullopt;
  return CivilDate{*year, *month, *day};
}

}  // namespace velmora
