#pragma once
// The judgement of a 八字 chart in prose for the service's pages: paragraphs
// assembled from the chart's own facts (the day master and its month, the
// strength with its figures and roots, the 格局, the 用神 and the rule that
// decided it, each 十神 where it stands, the pairs of 十神 that stand firmly
// (on a stem or as a branch's 本气, one of them on a stem), the branch
// relations, the current 大运 and 流年), each followed by reviewed
// prose of ours from services.db (data/services/bazi_judgement_*.tsv) chosen
// by those facts. A sentence names an element, stem or 十神 only when the
// chart (with its current 大运 and 流年) holds it, or together with the role
// (用神 喜神 忌神 闲神) it plays for this chart. GBK texts.

#include <string>
#include <vector>

#include "readings/bazi_chart.h"
#include "readings/judgement.h"
#include "services/sources.h"

namespace velmora::services {

// The luck pillar the current year (chart.years[0]) falls in; none before the first starts.
const LuckPillar* CurrentLuck(const BaziChart& chart);

// Throws std::runtime_error when services.db lacks a text, which only a broken build can cause.
std::vector<std::string> JudgementParagraphs(const BaziChart& chart, const Judgement& judgement,
                                             const Sources& sources);

}  // namespace velmora::services
