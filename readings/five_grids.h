#pragma once
// The five grids of a name (天格, 人格, 地格, 外格, 总格) from the stroke counts
// of its characters, by the rules for a one- or a two-character surname. The
// local name reading and the answering service's name pages share them, so
// the two never disagree about a name.

#include <array>
#include <optional>

namespace velmora {

struct FiveGrids {
  std::optional<int> heaven, person, earth, outer, total;
};

// Strokes of characters 1..4 (nothing for an empty or unknown character) of a
// name `lengthBytes` long. A grid is nothing when a count its rule needs is
// missing or its rule has no case for that length (one character, more than
// four, an odd byte count; a two-character surname alone has no 地格 or 外格).
// A one-character surname with a one-character given name has 外格 2.
FiveGrids GridsOf(const std::array<std::optional<int>, 4>& strokes, int lengthBytes, bool compoundSurname);

}  // namespace velmora
