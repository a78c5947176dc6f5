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
// (用神 喜神 忌神 闲神) it plays for this chart. Everything is read from the
// chart's one judgement (BaziChart::judgement). GBK texts.

#include <optional>
#include <string>
#include <vector>

#include "readings/bazi_chart.h"
#include "services/sources.h"

namespace velmora::services {

struct JudgementProse {
  std::string dayMaster;               // the day master in its month
  std::string strength;                // the method with this chart's figures, roots, 合化 and verdict
  std::string pattern;                 // how the 格 was taken
  std::vector<std::string> gods;       // the rule and the roles, then where the 用神 stands
  std::vector<std::string> tenGods;    // each 十神 where it stands, then the pairs that stand firmly
  std::vector<std::string> relations;  // 六合, 六冲 and 三合 among the branches
  std::optional<std::string> luck;     // the current 大运, or the first before it starts; none after the last
  std::optional<std::string> year;     // the current 流年; none before the birth year

  // Every paragraph in the order above.
  std::vector<std::string> Paragraphs() const;
};

// Throws std::runtime_error when services.db lacks a text, which only a broken build can cause.
JudgementProse JudgementProseOf(const BaziChart& chart, const Sources& sources);

}  // namespace velmora::services
