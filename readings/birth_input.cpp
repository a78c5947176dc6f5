#include "readings/birth_input.h"

#include <charconv>
#include <cmath>

#include <stdexcept>

namespace velmora {
namespace {

DateTime Shifted(const DateTime& time, Moment seconds) { return *DateTimeOf(MomentOf(time) + seconds); }

// One or two digits (exactly two when `two`), within 0..last.
std::optional<int> Digits(std::string_view text, bool two, int last) {
  if (text.empty() || text.size() > 2 || (two && text.size() != 2)) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > last) return std::nullopt;
  return value;
}

}  // namespace

void SetBirthPlace(BirthInput& birth, const BirthPlace& place) {
  birth.longitude = place.longitude;
  birth.zone = place.zone;
  birth.placeName = place.name;
  birth.province = place.province;
}

std::optional<ClockReading> ParseClockTime(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::optional<int> hour = Digits(text.substr(0, colon), false, 23);
  if (!hour) return std::nullopt;
  if (colon == std::string_view::npos) return ClockReading{*hour, std::nullopt};
  const std::optional<int> minute = Digits(text.substr(colon + 1), true, 59);
  if (!minute) return std::nullopt;
  return ClockReading{*hour, minute};
}

std::optional<int> ParseMinute(std::string_view text) { return Digits(text, false, 59); }

std::optional<double> ParseLongitude(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value) || std::abs(value) > 180) {
    return std::nullopt;
  }
  return value;
}

ChartTime ChartTimeOf(const BirthInput& input) {
  ChartTime time;
  const DateTime& clock = input.clock;
  if (input.longitude) {
    time.correction = TrueSolarTimeOf(clock, *input.longitude, input.zone);
    const std::optional<DateTime> instant = DateTimeOf(time.correction->chinaStandard);
    if (!instant) throw std::invalid_argument("the birth falls before the calendar's first day");
    time.instant.time = *instant;
    if (input.zone == kChinaZone) time.instant.clock = time.correction->clockHour;  // China's summers have notes of their own
    time.local = time.correction->trueSolar;
    return time;
  }
  time.instant = ChinaStandardTimeOf(clock);
  time.local = time.instant.time;
  return time;
}

ChartTime ShiftedHour(const ChartTime& time, int hours) {
  ChartTime shifted = time;
  shifted.instant.time = Shifted(time.instant.time, hours * kSecondsPerHour);
  shifted.local = Shifted(time.local, hours * kSecondsPerHour);
  return shifted;
}

FourPillars PillarsOf(const ChartTime& time) {
  FourPillars pillars = FourPillarsAt(time.instant.time);
  if (time.local != time.instant.time) {
    const FourPillars local = FourPillarsAt(time.local);
    pillars.day = local.day;
    pillars.hour = local.hour;
  }
  return pillars;
}

}  // namespace velmora
