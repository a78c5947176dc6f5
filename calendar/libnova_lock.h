#pragma once
// libnova keeps its last results in static variables (ln_get_nutation,
// ln_get_earth_helio_coords and the planet and Moon series), so two threads
// calling it at once race. Every caller in the program holds this one lock
// while it calls libnova.

#include <mutex>

namespace velmora {

std::mutex& LibnovaMutex();

}  // namespace velmora
