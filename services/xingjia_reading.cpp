#include "services/xingjia_reading.h"

#include <array>
#include <stdexcept>

#include "text/gbk.h"

namespace velmora::services {
namespace {

// In the order of the cycle in which each element gives birth to the next.
int ElementIndex(const std::string& element) {
  static constexpr std::array<const char*, 5> kCycle = {"木", "火", "土", "金", "水"};
  for (std::size_t i = 0; i < kCycle.size(); ++i) {
    if (Utf8ToGbk(kCycle[i]) == element) return static_cast<int>(i);
  }
  throw std::invalid_argument("no element: " + GbkToUtf8(element));
}

struct GridConcern {
  std::size_t grid;    // index in NameChart::grids
  const char* name;    // UTF-8, traditional
  const char* concerns;
};
constexpr std::array<GridConcern, 4> kConcerns = {{
    {0, "天格", "長上"},
    {2, "地格", "配偶子女"},
    {3, "外格", "朋友外緣"},
    {4, "總格", "晚年"},
}};

}  // namespace

Relation RelationToSelf(const std::string& gridElement, const std::string& selfElement) {
  const int grid = ElementIndex(gridElement), self = ElementIndex(selfElement);
  if (grid == self) return Relation::Same;
  if ((grid + 1) % 5 == self) return Relation::GeneratesMe;
  if ((self + 1) % 5 == grid) return Relation::IGenerate;
  if ((grid + 2) % 5 == self) return Relation::OvercomesMe;
  return Relation::IOvercome;
}

std::string RelationName(Relation relation) {
  switch (relation) {
    case Relation::GeneratesMe: return "生我"_gbk;
    case Relation::IGenerate: return "我生"_gbk;
    case Relation::OvercomesMe: return "剋我"_gbk;
    case Relation::IOvercome: return "我剋"_gbk;
    case Relation::Same: break;
  }
  return "比和"_gbk;
}

std::vector<XingjiaLine> XingjiaReading(const NameChart& chart, const Sources& sources) {
  const Table& prose = sources.TableNamed("xingjia_relations");
  const std::string& self = chart.grids.at(1).element;
  std::vector<XingjiaLine> lines;
  for (const GridConcern& each : kConcerns) {
    XingjiaLine line{Utf8ToGbk(each.name), Utf8ToGbk(each.concerns),
                     RelationToSelf(chart.grids.at(each.grid).element, self), {}};
    for (const std::vector<std::string>& row : prose.Rows()) {
      if (row.at(0) == line.grid && row.at(1) == RelationName(line.relation)) line.reading = row.at(2);
    }
    if (line.reading.empty()) {
      throw std::runtime_error("xingjia_relations has no reading for " + GbkToUtf8(line.grid + RelationName(line.relation)));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace velmora::services
