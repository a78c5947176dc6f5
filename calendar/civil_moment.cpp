#include "calendar/civil_moment.h"

#include "calendar/day_number.h"

namespace velmora {

Moment MomentOf(const DateTime& time) {
  return DayNumberOf(time.date) * kSecondsPerDay + time.hour * kSecondsPerHour + time.minute * kSecondsPerMinute +
         time.second;
}

std::optional<DateTime> DateTimeOf(Moment moment) {
  if (moment < 0) return std::nullopt;
  const std::optional<CivilDate> date = DateOfDayNumber(static_cast<DayNumber>(moment / kSecondsPerDay));
  if (!date) return std::nullopt;
  const auto second = static_cast<int>(moment % kSecondsPerDay);
  return DateTime{*date, second / 3600, second / 60 % 60, second % 60};
}

}  // namespace velmora
