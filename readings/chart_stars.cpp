#include "readings/chart_stars.h"

#include <optional>

#include "readings/pillar_positions.h"

namespace velmora {
namespace {

bool Has(std::uint64_t hits, int bit) { return (hits >> bit) & 1u; }

// The value a basis takes in the chart (stem or branch), and the pillar it stands on.
int BasisValue(const FourPillars& pillars, StarBasis basis) {
  switch (basis) {
    case StarBasis::DayStem: return pillars.day.stem;
    case StarBasis::YearStem: return pillars.year.stem;
    case StarBasis::YearBranch: return pillars.year.branch;
    case StarBasis::DayBranch: return pillars.day.branch;
    case StarBasis::MonthBranch: return pillars.month.branch;
    case StarBasis::None: break;
  }
  return 0;
}

std::optional<PillarPosition> OwnBranch(StarBasis basis) {
  if (basis == StarBasis::YearBranch) return PillarPosition::Year;
  if (basis == StarBasis::DayBranch) return PillarPosition::Day;
  if (basis == StarBasis::MonthBranch) return PillarPosition::Month;
  return std::nullopt;
}

bool Looks(const StarRule& rule, StarBasis basis, PillarPosition position) {
  switch (rule.target) {
    case StarTarget::DayPillar: return position == PillarPosition::Day;
    case StarTarget::DayOrHourPillar: return position == PillarPosition::Day || position == PillarPosition::Hour;
    case StarTarget::Branch: return OwnBranch(basis) != position;
    case StarTarget::Stem:
    case StarTarget::StemOrBranch: break;
  }
  return true;
}

bool Hits(const StarRule& rule, std::uint64_t hits, const Pillar& pillar) {
  switch (rule.target) {
    case StarTarget::Branch: return Has(hits, pillar.branch);
    case StarTarget::Stem: return Has(hits, pillar.stem);
    case StarTarget::StemOrBranch: return Has(hits, pillar.stem) || Has(hits, kStarBranchBit + pillar.branch);
    case StarTarget::DayPillar:
    case StarTarget::DayOrHourPillar: break;
  }
  return Has(hits, pillar.CycleIndex());
}

}  // namespace

std::array<std::vector<ChartStar>, 4> StarsOf(const FourPillars& pillars) {
  std::array<std::vector<ChartStar>, 4> stars;
  for (const StarRule& rule : StarRules()) {
    for (const PillarPosition position : kPillarPositions) {
      const Pillar& pillar = PillarAt(pillars, position);
      ChartStar star{&rule, {}};
      bool placed = false;
      const std::size_t basisCount = rule.bases[1] == StarBasis::None ? 1 : 2;
      for (std::size_t b = 0; b < basisCount; ++b) {
        const StarBasis basis = rule.bases[b];
        const std::uint64_t hits = rule.hits[static_cast<std::size_t>(BasisValue(pillars, basis))];
        if (!Looks(rule, basis, position) || !Hits(rule, hits, pillar)) continue;
        placed = true;
        if (basis != StarBasis::None) star.by.push_back(basis);
      }
      if (placed) stars[static_cast<std::size_t>(position)].push_back(std::move(star));
    }
  }
  return stars;
}

}  // namespace velmora
