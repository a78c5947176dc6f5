#include "services/xingjia_reading.h"

#include <array>
#include <stdexcept>

#include "calendar/four_pillars.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

Element ElementNamed(const std::string& name) {
  for (const Element element : {Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth}) {
    if (ElementName(element) == name) return element;
  }
  throw std::invalid_argument("no element: " + GbkToUtf8(name));
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

ElementRelation RelationToSelf(const std::string& gridElement, const std::string& selfElement) {
  return RelationOf(ElementNamed(selfElement), ElementNamed(gridElement));
}

std::string RelationName(ElementRelation relation) {
  switch (relation) {
    case ElementRelation::Resource: return "生我"_gbk;
    case ElementRelation::Output: return "我生"_gbk;
    case ElementRelation::Officer: return "剋我"_gbk;
    case ElementRelation::Wealth: return "我剋"_gbk;
    case ElementRelation::Same: break;
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
