#include "services/bazi_judgement_text.h"

#include <algorithm>
#include <bitset>
#include <initializer_list>
#include <stdexcept>

#include "calendar/sexagenary.h"
#include "readings/judgement_words.h"
#include "services/chart_text.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

// The prose of a table of services.db whose leading columns are the keys (GBK).
const std::string& ProseOf(const Sources& sources, const std::string& table, std::initializer_list<std::string> keys) {
  for (const auto& row : sources.TableNamed(table).Rows()) {
    if (row.size() > keys.size() && std::equal(keys.begin(), keys.end(), row.begin())) return row[keys.size()];
  }
  std::string key;
  for (const std::string& each : keys) key.append(" ").append(GbkToUtf8(each));
  throw std::runtime_error("services.db: " + table + " has no text for" + key);
}

std::string Place(PillarPosition position, bool branch) { return PlacesText({position}, branch); }

GodRole RoleOf(const Judgement& judgement, Element element) {
  return judgement.gods.roleOf[static_cast<std::size_t>(element)];
}

// 喜用, 忌 or 闲: the key the prose of 十神 and periods is written for.
const std::string& RoleGroup(GodRole role) {
  static const std::string groups[3] = {"喜用"_gbk, "忌"_gbk, "闲"_gbk};
  if (role == GodRole::Useful || role == GodRole::Favourable) return groups[0];
  return role == GodRole::Unfavourable ? groups[1] : groups[2];
}

// "为用神" with the element: "属木，为喜神".
std::string RoleText(const Judgement& judgement, Element element) {
  return "属"_gbk + ElementName(element) + "，为"_gbk + GodRoleName(RoleOf(judgement, element));
}

std::string DayMasterParagraph(const BaziChart& chart, const Sources& sources) {
  const Element self = StemElement(chart.dayMaster);
  const SeasonState state = chart.seasonStates[static_cast<std::size_t>(self)];
  return "日主"_gbk + StemElementText(chart.dayMaster) + "生于"_gbk + EarthlyBranch(chart.pillars.month.branch) +
         "月，"_gbk + ElementName(self) + "在此月为"_gbk + SeasonStateName(state) + "气。"_gbk +
         ProseOf(sources, "bazi_judgement_day_master", {HeavenlyStem(chart.dayMaster), SeasonStateName(state)});
}

// Sentences run together into one paragraph.
std::string Concatenated(const std::vector<std::string>& sentences) {
  std::string text;
  for (const std::string& sentence : sentences) text += sentence;
  return text;
}

std::string StrengthParagraph(const BaziChart& chart, const Sources& sources) {
  const ChartStrength& strength = chart.judgement.strength;
  const ElementRelation monthMain =
      RelationOf(StemElement(chart.dayMaster), StemElement(HiddenStemsOf(chart.pillars.month.branch)[0].stem));
  const bool season = monthMain == ElementRelation::Same || monthMain == ElementRelation::Resource;
  return StrengthMethodSentence(strength) + Concatenated(strength.reasons) +
         ProseOf(sources, "bazi_judgement_strength",
                 {StrengthVerdictName(strength.verdict), season ? "得令"_gbk : "失令"_gbk});
}

std::string PatternParagraph(const Judgement& judgement, const Sources& sources) {
  const ChartPattern& pattern = judgement.pattern;
  const StrengthVerdict verdict = judgement.strength.verdict;
  const std::string side = pattern.special                        ? std::string("-")
                           : verdict == StrengthVerdict::Weak     ? "弱"_gbk
                           : verdict == StrengthVerdict::Balanced ? "中"_gbk
                                                                  : "强"_gbk;
  return pattern.reason + pattern.specialReason +
         ProseOf(sources, "bazi_judgement_patterns", {std::string(PatternRuleOf(pattern.Kind()).name), side});
}

std::string GodsParagraph(const Judgement& judgement) {
  std::vector<std::string> roles;
  for (const GodRole role : {GodRole::Useful, GodRole::Favourable, GodRole::Unfavourable, GodRole::Idle}) {
    std::vector<std::string> names;
    for (const Element element : ElementsInRole(judgement.gods, role)) names.push_back(ElementName(element));
    if (!names.empty()) roles.push_back(GodRoleName(role) + JoinedText(names));
  }
  std::string text = Concatenated(judgement.gods.reasons) + "总之，"_gbk;
  for (std::size_t i = 0; i < roles.size(); ++i) text += (i ? "，"_gbk : std::string()) + roles[i];
  return text + "。"_gbk;
}

// Where the 用神's element stands: "年干壬、日支子中癸".
std::string UsefulPlaces(const BaziChart& chart, Element useful) {
  std::vector<std::string> places;
  for (const PillarPosition position : kPillarPositions) {
    const int stem = PillarAt(chart.pillars, position).stem;
    if (StemElement(stem) == useful) places.push_back(Place(position, false) + HeavenlyStem(stem));
  }
  for (const PillarPosition position : kPillarPositions) {
    const int branch = PillarAt(chart.pillars, position).branch;
    for (const HiddenStem& hidden : HiddenStemsOf(branch)) {
      if (StemElement(hidden.stem) == useful) {
        places.push_back(Place(position, true) + EarthlyBranch(branch) + "中"_gbk + HeavenlyStem(hidden.stem));
      }
    }
  }
  const std::string name = "用神"_gbk + ElementName(useful);
  if (places.empty()) return name + "不见于原局，须待大运流年补足。"_gbk;
  return name + "见于"_gbk + JoinedText(places) + "。"_gbk;
}

std::string UsefulParagraph(const BaziChart& chart, const Judgement& judgement, const Sources& sources) {
  const Element useful = judgement.gods.useful;
  return ProseOf(sources, "bazi_judgement_gods", {GodRuleName(judgement.gods.rule), ElementName(useful)}) +
         UsefulPlaces(chart, useful) + ProseOf(sources, "bazi_judgement_advice", {ElementName(useful)});
}

// Where a 十神 stands: the stems it shows on and the branches it hides in.
struct GodPlaces {
  std::vector<std::string> shown;   // "年干甲"
  std::vector<std::string> hidden;  // "日支午中己土（中气）"
};

template <typename Matches>
GodPlaces PlacesOf(const BaziChart& chart, const Matches& matches) {
  GodPlaces places;
  for (const PillarPosition position : kPillarPositions) {
    const ChartColumn& column = chart.columns[static_cast<std::size_t>(position)];
    if (column.stemGod && matches(*column.stemGod)) {
      places.shown.push_back(Place(position, false) + HeavenlyStem(column.pillar.stem));
    }
  }
  for (const PillarPosition position : kPillarPositions) {
    const ChartColumn& column = chart.columns[static_cast<std::size_t>(position)];
    for (const ChartHiddenStem& hidden : column.hiddenStems) {
      if (!matches(hidden.god)) continue;
      places.hidden.push_back(Place(position, true) + EarthlyBranch(column.pillar.branch) + "中"_gbk +
                              StemElementText(hidden.stem) + "（"_gbk + QiRoleName(hidden.role) + "）"_gbk);
    }
  }
  return places;
}

std::string PlacesSentence(const GodPlaces& places) {
  std::string text;
  if (!places.shown.empty()) text += "透于"_gbk + JoinedText(places.shown);
  if (!places.hidden.empty()) text += (text.empty() ? "藏于"_gbk : "，又藏于"_gbk) + JoinedText(places.hidden);
  return text;
}

std::vector<std::string> TenGodParagraphs(const BaziChart& chart, const Judgement& judgement, const Sources& sources) {
  std::vector<std::string> paragraphs;
  for (int g = 0; g < 10; ++g) {
    const auto god = static_cast<TenGod>(g);
    const GodPlaces places = PlacesOf(chart, [god](TenGod each) { return each == god; });
    if (places.shown.empty() && places.hidden.empty()) continue;
    const Element element = ElementInRelation(StemElement(chart.dayMaster), static_cast<ElementRelation>(g / 2));
    paragraphs.push_back(TenGodName(god) + "："_gbk + PlacesSentence(places) + "，"_gbk + RoleText(judgement, element) +
                         "。"_gbk +
                         ProseOf(sources, "bazi_judgement_ten_gods",
                                 {TenGodName(god), RoleGroup(RoleOf(judgement, element))}));
  }
  return paragraphs;
}

// The 十神 a name of the pairs table stands for: one 十神, or the two of a
// kind (比劫 食伤 财星 官杀 印星), by its GBK name.
std::bitset<10> GodsNamed(const std::string& name) {
  std::bitset<10> gods;
  for (int g = 0; g < 10; ++g) {
    const auto god = static_cast<TenGod>(g);
    gods[g] = name == TenGodName(god) || name == RelationGodsName(static_cast<ElementRelation>(g / 2));
  }
  return gods;
}

// Which 十神 show on a stem, and which are a branch's 本气: what a pair needs
// before its places are worth writing out.
struct Standing {
  std::bitset<10> shown;
  std::bitset<10> rooted;
};

Standing StandingOf(const BaziChart& chart) {
  Standing standing;
  for (const ChartColumn& column : chart.columns) {
    if (column.stemGod) standing.shown.set(static_cast<std::size_t>(*column.stemGod));
    standing.rooted.set(static_cast<std::size_t>(column.hiddenStems.front().god));
  }
  return standing;
}

std::vector<std::string> PairParagraphs(const BaziChart& chart, const Sources& sources) {
  std::vector<std::string> paragraphs;
  const Standing standing = StandingOf(chart);
  for (const auto& row : sources.TableNamed("bazi_judgement_pairs").Rows()) {
    const std::bitset<10> first = GodsNamed(row.at(1)), second = GodsNamed(row.at(2));
    const auto firm = [&](const std::bitset<10>& gods) { return ((standing.shown | standing.rooted) & gods).any(); };
    // Both stand firmly (on a stem or as a 本气) and one of them shows.
    if (!firm(first) || !firm(second) || !((first | second) & standing.shown).any()) continue;
    const auto places = [&](const std::bitset<10>& gods) {
      return PlacesSentence(PlacesOf(chart, [&](TenGod god) { return gods[static_cast<std::size_t>(god)]; }));
    };
    paragraphs.push_back(row.at(0) + "："_gbk + row.at(1) + places(first) + "，"_gbk + row.at(2) + places(second) +
                         "。"_gbk + row.at(3));
  }
  return paragraphs;
}

// 年 月 日 时 (GBK), the first character of a pillar's name.
std::string PalaceChar(PillarPosition position) { return PillarPositionName(position).substr(0, 2); }

std::vector<std::string> RelationParagraphs(const BaziChart& chart, const Sources& sources) {
  std::vector<std::string> paragraphs;
  for (const BranchRelation& relation : chart.relations) {
    std::vector<std::string> places;
    for (const PillarPosition position : relation.positions) {
      places.push_back(Place(position, true) + EarthlyBranch(PillarAt(chart.pillars, position).branch));
    }
    const std::string kind = BranchRelationName(relation.kind);
    if (relation.kind == BranchRelationKind::ThreeHarmony) {
      // The frame's element is that of its middle branch (子 午 卯 酉).
      Element element = Element::Water;
      for (const PillarPosition position : relation.positions) {
        const int branch = PillarAt(chart.pillars, position).branch;
        if (branch % 3 == 0) element = BranchElement(branch);
      }
      paragraphs.push_back(JoinedText(places) + "三合"_gbk + ElementName(element) + "局。"_gbk +
                           ProseOf(sources, "bazi_judgement_relations", {kind, "三柱"_gbk}));
      continue;
    }
    const std::string palaces = PalaceChar(relation.positions[0]) + PalaceChar(relation.positions[1]);
    paragraphs.push_back(places[0] + "与"_gbk + places[1] +
                         (relation.kind == BranchRelationKind::Clash ? "相冲"_gbk : "相合"_gbk) + "（"_gbk + kind +
                         "）。"_gbk + ProseOf(sources, "bazi_judgement_relations", {kind, palaces}));
  }
  return paragraphs;
}

// "天干甲为偏印，属木，为喜神；地支子本气癸水，属水，为用神。"
std::string PillarRoles(const BaziChart& chart, const Judgement& judgement, const Pillar& pillar) {
  const int main = HiddenStemsOf(pillar.branch)[0].stem;
  return "天干"_gbk + HeavenlyStem(pillar.stem) + "为"_gbk + TenGodName(TenGodOf(chart.dayMaster, pillar.stem)) + "，"_gbk +
         RoleText(judgement, StemElement(pillar.stem)) + "；地支"_gbk + EarthlyBranch(pillar.branch) + "本气"_gbk +
         StemElementText(main) + "，"_gbk + RoleText(judgement, StemElement(main)) + "。"_gbk;
}

std::string PeriodProse(const Judgement& judgement, const Sources& sources, const std::string& scope, const Pillar& pillar) {
  return ProseOf(sources, "bazi_judgement_periods",
                 {scope, RoleGroup(RoleOf(judgement, StemElement(pillar.stem))),
                  RoleGroup(RoleOf(judgement, StemElement(HiddenStemsOf(pillar.branch)[0].stem)))});
}

// The current 大运, or the first one before it starts; none once the last has run.
std::optional<std::string> LuckParagraph(const BaziChart& chart, const Sources& sources) {
  const LuckTimeline& timeline = chart.timeline;
  const LuckPillar& first = chart.luck.pillars[0];
  std::string opening;
  const LuckPillar* shown = &first;
  if (timeline.currentLuck) {
    shown = &chart.luck.pillars[*timeline.currentLuck];
    opening = "现行"_gbk + PillarText(shown->pillar) + "大运（"_gbk + std::to_string(shown->startYear) + "年起，"_gbk +
              std::to_string(shown->startAge) + "岁），"_gbk;
  } else if (timeline.currentYear < first.startYear) {
    opening = "尚未起运："_gbk + std::to_string(first.startYear) + "年（"_gbk + std::to_string(first.startAge) +
              "岁）起行第一步大运"_gbk + PillarText(first.pillar) + "，"_gbk;
  } else {
    return std::nullopt;
  }
  return opening + PillarRoles(chart, chart.judgement, shown->pillar) +
         PeriodProse(chart.judgement, sources, "大运"_gbk, shown->pillar);
}

std::optional<std::string> YearParagraph(const BaziChart& chart, const Sources& sources) {
  if (!chart.timeline.currentFlowYear) return std::nullopt;
  const YearFortune& year = *chart.timeline.currentFlowYear;
  return std::to_string(year.year) + "年流年"_gbk + PillarText(year.pillar) + "（"_gbk + std::to_string(year.age) +
         "岁），"_gbk + PillarRoles(chart, chart.judgement, year.pillar) +
         PeriodProse(chart.judgement, sources, "流年"_gbk, year.pillar);
}

}  // namespace

std::vector<std::string> JudgementProse::Paragraphs() const {
  std::vector<std::string> paragraphs = {dayMaster, strength, pattern};
  for (const std::vector<std::string>* part : {&gods, &tenGods, &relations}) {
    paragraphs.insert(paragraphs.end(), part->begin(), part->end());
  }
  if (luck) paragraphs.push_back(*luck);
  if (year) paragraphs.push_back(*year);
  return paragraphs;
}

JudgementProse JudgementProseOf(const BaziChart& chart, const Sources& sources) {
  const Judgement& judgement = chart.judgement;
  JudgementProse prose;
  prose.dayMaster = DayMasterParagraph(chart, sources);
  prose.strength = StrengthParagraph(chart, sources);
  prose.pattern = PatternParagraph(judgement, sources);
  prose.gods = {GodsParagraph(judgement), UsefulParagraph(chart, judgement, sources)};
  prose.tenGods = TenGodParagraphs(chart, judgement, sources);
  for (std::string& paragraph : PairParagraphs(chart, sources)) prose.tenGods.push_back(std::move(paragraph));
  prose.relations = RelationParagraphs(chart, sources);
  prose.luck = LuckParagraph(chart, sources);
  prose.year = YearParagraph(chart, sources);
  return prose;
}

}  // namespace velmora::services
