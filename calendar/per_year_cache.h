#pragma once
// Lazily computed, thread-safe memo of a pure function of the civil year.
// The engine's per-year results (new-moon days, the lunar new year, solar-term
// dates) never change, so each is computed once, on first use, and years
// outside the covered range are simply computed every time.

#include <array>
#include <mutex>

namespace velmora {

template <typename Value, int FirstYear, int LastYear>
class PerYearCache {
 public:
  template <typename Compute>
  const Value& Get(int year, Compute compute) {
    if (year < FirstYear || year > LastYear) {
      thread_local Value uncached;
      uncached = compute(year);
      return uncached;
    }
    Slot& slot = slots_[static_cast<std::size_t>(year - FirstYear)];
    std::call_once(slot.once, [&] { slot.value = compute(year); });
    return slot.value;
  }

 private:
  struct Slot {
    std::once_flag once;
    Value value{};
  };
  std::array<Slot, LastYear - FirstYear + 1> slots_;
};

}  // namespace velmora
