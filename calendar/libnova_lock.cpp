#include "calendar/libnova_lock.h"

namespace velmora {

std::mutex& LibnovaMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace velmora
