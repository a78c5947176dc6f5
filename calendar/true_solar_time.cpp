#include "calendar/true_solar_time.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "calendar/china_daylight_saving.h"
#include "calendar/day_number.h"

namespace velmora {
namespace {

constexpr int kChinaOffsetMinutes = 480;

DateTime Shifted(const DateTime& time, double minutes) {
  const std::optional<DateTime> shifted =
      DateTimeOf(MomentOf(time) + static_cast<Moment>(std::llround(minutes * kSecondsPerMinute)));
  if (!shifted) throw std::invalid_argument("the corrected time falls before the calendar's first day");
  return *shifted;
}

// Minutes by which true solar time runs ahead of mean solar time.
double EquationOfTime(const DateTime& time) {
  const int dayOfYear = DayNumberOf(time.date) - DayNumberOf(time.date.year, 1, 0);
  const double g = 2 * std::numbers::pi / 365 * (dayOfYear - 1 + (time.hour - 12) / 24.0);
  return 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g) - 0.014615 * std::cos(2 * g) -
                   0.040849 * std::sin(2 * g));
}

}  // namespace

TimeCorrection TrueSolarTimeOf(const DateTime& clock, double longitude, const std::string& zone) {
  if (!IsExistingDate(clock.date)) throw std::invalid_argument("date " + FormatDate(clock.date) + " does not exist");
  if (clock.hour < 0 || clock.hour > 23 || clock.minute < 0 || clock.minute > 59) {
    throw std::invalid_argument("time of day is out of range");
  }
  if (!(longitude >= -180 && longitude <= 180)) throw std::invalid_argument("longitude is outside -180..180");
  if (zone != "Asia/Shanghai") throw std::invalid_argument("time zone " + zone + " is not known");
  TimeCorrection correction;
  correction.clock = clock;
  const StandardTime standard = ChinaStandardTimeOf(clock.date, clock.hour);
  correction.standard = standard.time;
  correction.standard.minute = clock.minute;
  correction.daylightSavingRemoved = standard.clock == ClockHour::DaylightSaving;
  correction.zoneOffsetMinutes = kChinaOffsetMinutes;
  correction.longitude = longitude;
  correction.longitudeMinutes = 4 * (longitude - correction.zoneOffsetMinutes / 4.0);
  correction.mean = Shifted(correction.standard, correction.longitudeMinutes);
  correction.equationMinutes = EquationOfTime(correction.standard);
  correction.trueSolar = Shifted(correction.mean, correction.equationMinutes);
  correction.chinaStandard = MomentOf(correction.standard);
  return correction;
}

}  // namespace velmora
