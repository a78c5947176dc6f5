#include "services/byte_range.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "text/ascii_case.h"
#include "text/text_lines.h"

namespace velmora::services {
namespace {

// Digits only; nothing for an empty or signed text or one that overflows.
std::optional<std::size_t> Number(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct Bounds {
  std::size_t first = 0;
  std::size_t last = 0;  // inclusive
  bool satisfiable = false;
};

// One "first-last", "first-" or "-suffix"; nothing when it is not well formed.
std::optional<Bounds> ReadOneRange(std::string_view range, std::size_t size) {
  range = TrimmedBlanks(range);
  const std::size_t dash = range.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const std::string_view head = range.substr(0, dash), tail = range.substr(dash + 1);
  if (head.empty()) {
    const std::optional<std::size_t> suffix = Number(tail);
    if (!suffix) return std::nullopt;
    if (*suffix == 0 || size == 0) return Bounds{};
    return Bounds{size - std::min(*suffix, size), size - 1, true};
  }
  const std::optional<std::size_t> first = Number(head);
  const std::optional<std::size_t> last = tail.empty() ? std::optional<std::size_t>(SIZE_MAX) : Number(tail);
  if (!first || !last || *last < *first) return std::nullopt;
  if (*first >= size) return Bounds{};
  return Bounds{*first, std::min(*last, size - 1), true};
}

}  // namespace

ByteSpan RequestedSpan(std::string_view range, std::size_t size) {
  range = TrimmedBlanks(range);
  constexpr std::string_view kUnit = "bytes=";
  if (!StartsWithNoCase(range, kUnit)) return {};
  range.remove_prefix(kUnit.size());
  std::optional<Bounds> covering;
  for (;;) {
    const std::size_t comma = range.find(',');
    const std::optional<Bounds> bounds = ReadOneRange(range.substr(0, comma), size);
    if (!bounds) return {};
    if (bounds->satisfiable) {
      if (!covering) {
        covering = bounds;
      } else {
        covering->first = std::min(covering->first, bounds->first);
        covering->last = std::max(covering->last, bounds->last);
      }
    }
    if (comma == std::string_view::npos) break;
    range.remove_prefix(comma + 1);
  }
  if (!covering) return {ByteSpan::kUnsatisfiable};
  return {ByteSpan::kPart, covering->first, covering->last - covering->first + 1};
}

}  // namespace velmora::services
