#pragma once
// Moments of China standard time (UTC+8) counted in whole seconds, so that a
// birth and a solar-term moment compare exactly. Second 0 is 00:00:00 of day
// number 0 (0001-01-02, Julian).

#include <cstdint>
#include <optional>

#include "calendar/civil_date.h"

namespace velmora {

using Moment = std::int64_t;

inline constexpr Moment kSecondsPerMinute = 60;
inline constexpr Moment kSecondsPerHour = 3600;
inline constexpr Moment kSecondsPerDay = 86400;

// The moment of a civil date and time of day; the date is not checked.
Moment MomentOf(const DateTime& time);

// The civil date and time of a moment; fails before day number 0.
std::optional<DateTime> DateTimeOf(Moment moment);

}  // namespace velmora
