#include "calendar/true_solar_time.h"

#include <date/tz.h>

#include <cmath>
#include <stdexcept>

#include "calendar/day_number.h"
#include "calendar/equation_of_time.h"

namespace velmora {
namespace {

constexpr Moment kChinaOffsetSeconds = 8 * kSecondsPerHour;
// Moment 0 (0001-01-02 00:00, Julian) as a Julian day, and 1970-01-01 as a moment.
constexpr double kJulianDayOfMomentZero = 1721424.5;
constexpr Moment kUnixEpoch = 719163 * kSecondsPerDay;
constexpr double kSecondsPerDegree = 240;  // 4 minutes
constexpr std::size_t kLongestQuotedZone = 40;

[[noreturn]] void Refuse(const std::string& complaint) { throw std::invalid_argument(complaint); }

std::string Range(const std::string& what, long long value, int first, int last) {
  return what + " " + std::to_string(value) + " is outside " + std::to_string(first) + ".." + std::to_string(last);
}

void CheckClock(const DateTime& clock, double longitude) {
  const CivilDate& date = clock.date;
  if (date.year < kFirstSolarTimeYear || date.year > kLastSolarTimeYear) {
    Refuse(Range("birth year", date.year, kFirstSolarTimeYear, kLastSolarTimeYear));
  }
  if (!IsExistingDate(date)) Refuse("birth date " + FormatDate(date) + " does not exist");
  if (clock.hour < 0 || clock.hour > 23) Refuse(Range("birth hour", clock.hour, 0, 23));
  if (clock.minute < 0 || clock.minute > 59) Refuse(Range("birth minute", clock.minute, 0, 59));
  if (clock.second < 0 || clock.second > 59) Refuse(Range("birth second", clock.second, 0, 59));
  if (!std::isfinite(longitude) || longitude < -180 || longitude > 180) {
    Refuse("longitude " + std::to_string(longitude) + " is outside -180..180");
  }
}

DateTime At(Moment moment, const DateTime& clock) {
  const std::optional<DateTime> time = DateTimeOf(moment);
  if (!time) Refuse("birth time " + FormatDate(clock.date) + " lies before the calendar's first day");
  return *time;
}

// The clock reading as the zone's standard time, and that standard time's offset east of UTC.
struct ZoneReading {
  StandardTime standard;
  Moment offsetSeconds = 0;
  int daylightSavingMinutes = 0;
};

ZoneReading ChinaReading(const DateTime& clock) {
  const StandardTime standard = ChinaStandardTimeOf(clock);
  return {standard, kChinaOffsetSeconds, standard.clock == ClockHour::DaylightSaving ? 60 : 0};
}

const date::time_zone& ZoneNamed(const std::string& zone) {
  try {
    return *date::locate_zone(zone);
  } catch (const std::runtime_error&) {
    const std::string quoted = zone.size() > kLongestQuotedZone ? zone.substr(0, kLongestQuotedZone) + "..." : zone;
    Refuse("time zone \"" + quoted + "\" is unknown");
  }
}

// The system's tz files say only whether a period is daylight saving, not by
// how much (date/tz gives such a period a save of one minute): the standard
// offset is that of the nearest period before it that is none (after it, for
// a zone whose history begins in summer time).
Moment StandardOffset(const date::time_zone& tz, const date::sys_info& info) {
  constexpr int kLongestRunOfSummerPeriods = 8;  // Britain's war years: 4 in a row
  if (info.save == std::chrono::minutes{0}) return info.offset.count();
  date::sys_info before = info, after = info;
  for (int step = 0; step < kLongestRunOfSummerPeriods; ++step) {
    if (before.begin > date::sys_seconds::min()) {
      before = tz.get_info(before.begin - std::chrono::seconds{1});
      if (before.save == std::chrono::minutes{0}) return before.offset.count();
    }
    if (after.end < date::sys_seconds::max()) {
      after = tz.get_info(after.end);
      if (after.save == std::chrono::minutes{0}) return after.offset.count();
    }
  }
  Refuse("time zone " + tz.name() + " has no standard time near that date");
}

ZoneReading TzReading(const DateTime& clock, const std::string& zone) {
  const date::time_zone& tz = ZoneNamed(zone);
  const date::local_seconds local{std::chrono::seconds(MomentOf(clock) - kUnixEpoch)};
  const date::local_info info = tz.get_info(local);
  switch (info.result) {
    case date::local_info::nonexistent:  // the clocks went forward over it: as written, before the change
      return {{clock, ClockHour::Skipped}, StandardOffset(tz, info.first), 0};
    case date::local_info::ambiguous:  // shown twice: as written, the standard time after the change
      return {{clock, ClockHour::Repeated}, StandardOffset(tz, info.second), 0};
    default: {
      const Moment standardOffset = StandardOffset(tz, info.first);
      const Moment saved = info.first.offset.count() - standardOffset;
      if (saved == 0) return {{clock, ClockHour::Standard}, standardOffset, 0};
      return {{At(MomentOf(clock) - saved, clock), ClockHour::DaylightSaving}, standardOffset,
              static_cast<int>(saved / kSecondsPerMinute)};
    }
  }
}

}  // namespace

TimeCorrection TrueSolarTimeOf(const DateTime& clock, double longitude, const std::string& zone) {
  CheckClock(clock, longitude);
  const ZoneReading reading = zone == kChinaZone ? ChinaReading(clock) : TzReading(clock, zone);
  const Moment standard = MomentOf(reading.standard.time);
  const Moment universal = standard - reading.offsetSeconds;

  TimeCorrection correction;
  correction.clock = clock;
  correction.standard = reading.standard.time;
  correction.clockHour = reading.standard.clock;
  correction.daylightSavingMinutes = reading.daylightSavingMinutes;
  correction.zoneOffsetMinutes = static_cast<int>(std::lround(reading.offsetSeconds / 60.0));
  correction.longitude = longitude;
  const double longitudeSeconds = longitude * kSecondsPerDegree - static_cast<double>(reading.offsetSeconds);
  correction.longitudeMinutes = longitudeSeconds / 60;
  correction.mean = At(universal + std::llround(longitude * kSecondsPerDegree), clock);
  correction.equationMinutes =
      EquationOfTimeMinutes(kJulianDayOfMomentZero + static_cast<double>(universal) / kSecondsPerDay);
  correction.trueSolar =
      At(standard + std::llround(longitudeSeconds + correction.equationMinutes * 60), clock);
  correction.chinaStandard = universal + kChinaOffsetSeconds;
  return correction;
}

}  // namespace velmora
