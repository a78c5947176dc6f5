#include "services/chart_json.h"

#include <cmath>
#include <cstdio>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "calendar/sexagenary.h"
#include "services/chart_text.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

// Keys in the order the README lists them.
using json = nlohmann::ordered_json;

// Minutes and degrees to the hundredth, as given or computed.
double Hundredths(double value) { return std::round(value * 100) / 100; }

// A GBK text as UTF-8. The short ones are the chart's few hundred names
// (pillars, gods, stars, places), met again in every answer: each thread keeps
// them converted.
std::string U(const std::string& gbk) {
  constexpr std::size_t kLongestName = 32;
  if (gbk.size() > kLongestName) return GbkToUtf8(gbk);
  thread_local std::unordered_map<std::string, std::string> names;
  auto found = names.find(gbk);
  if (found == names.end()) found = names.emplace(gbk, GbkToUtf8(gbk)).first;
  return found->second;
}

std::string TimeText(const DateTime& time) {
  char text[40];
  std::snprintf(text, sizeof text, "%s %02d:%02d:%02d", FormatDate(time.date).c_str(), time.hour, time.minute,
                time.second);
  return text;
}

std::string MomentJson(Moment moment) {
  const std::optional<DateTime> time = DateTimeOf(moment);
  return time ? TimeText(*time) : std::string();
}

json PillarJson(const Pillar& pillar) { return U(PillarText(pillar)); }

json YearJson(const YearFortune& year) {
  json entry = json::object();
  entry["year"] = year.year;
  entry["pillar"] = PillarJson(year.pillar);
  entry["stemGod"] = U(TenGodName(year.stemGod));
  entry["age"] = year.age;
  entry["nominalAge"] = year.nominalAge;
  return entry;
}

json RelationsJson(const BaziChart& chart, const std::vector<PillarRelation>& relations) {
  json list = json::array();
  for (const PillarRelation& relation : relations) {
    json positions = json::array(), members = json::array();
    const bool stems = relation.kind == RelationKind::StemCombination || relation.kind == RelationKind::StemClash;
    for (const PillarPosition position : relation.positions) {
      positions.push_back(U(PillarPositionName(position)));
      Pillar pillar;
      if (position == PillarPosition::Luck) pillar = chart.luck.pillars[*chart.timeline.currentLuck].pillar;
      else if (position == PillarPosition::FlowYear) pillar = chart.timeline.currentFlowYear->pillar;
      else pillar = PillarAt(chart.pillars, position);
      members.push_back(U(stems ? HeavenlyStem(pillar.stem) : EarthlyBranch(pillar.branch)));
    }
    list.push_back({{"kind", U(RelationName(relation.kind))},
                    {"positions", positions},
                    {"members", members},
                    {"element", relation.element ? json(U(ElementName(*relation.element))) : json(nullptr)}});
  }
  return list;
}

json ColumnJson(const ChartColumn& column, PillarPosition position) {
  json hidden = json::array(), stars = json::array();
  for (const ChartHiddenStem& stem : column.hiddenStems) {
    hidden.push_back({{"stem", U(HeavenlyStem(stem.stem))}, {"qi", U(QiRoleName(stem.role))}, {"god", U(TenGodName(stem.god))}});
  }
  for (const ChartStar& star : column.stars) {
    json by = json::array();
    for (const StarBasis basis : star.by) by.push_back(U(StarBasisName(basis)));
    stars.push_back({{"name", U(star.rule->name)},
                     {"nature", U(StarNatureName(star.rule->nature))},
                     {"by", by},
                     {"source", U(star.rule->source)}});
  }
  json document = {{"position", U(PillarPositionName(position))},
                   {"name", PillarJson(column.pillar)},
                   {"stem", U(HeavenlyStem(column.pillar.stem))},
                   {"branch", U(EarthlyBranch(column.pillar.branch))},
                   {"stemGod", column.stemGod ? json(U(TenGodName(*column.stemGod))) : json(nullptr)}};
  document["hiddenStems"] = std::move(hidden);
  document["nayin"] = U(column.nayin);
  document["stage"] = U(GrowthStageName(column.stage));
  document["stars"] = std::move(stars);
  return document;
}

json InputJson(const BaziChart& chart) {
  const BirthInput& input = chart.input;
  char time[8];
  if (input.hasMinute) std::snprintf(time, sizeof time, "%02d:%02d", input.clock.hour, input.clock.minute);
  else std::snprintf(time, sizeof time, "%d", input.clock.hour);
  return {{"date", FormatDate(input.clock.date)},
          {"time", time},
          {"hasMinute", input.hasMinute},
          {"sex", input.sex == Sex::Male ? "男" : "女"},
          {"place", input.placeName.empty() ? json(nullptr)
                                            : json({{"name", U(input.placeName)}, {"province", U(input.province)}})},
          {"longitude", input.longitude ? json(*input.longitude) : json(nullptr)},
          {"zone", input.zone}};
}

json CorrectionJson(const BaziChart& chart) {
  if (!chart.correction) return nullptr;
  const TimeCorrection& c = *chart.correction;
  return {{"clock", TimeText(c.clock)},
          {"standard", TimeText(c.standard)},
          {"zoneOffsetMinutes", c.zoneOffsetMinutes},
          {"longitude", Hundredths(c.longitude)},
          {"longitudeMinutes", Hundredths(c.longitudeMinutes)},
          {"mean", TimeText(c.mean)},
          {"equationMinutes", Hundredths(c.equationMinutes)},
          {"trueSolar", TimeText(c.trueSolar)}};
}

json LuckJson(const BaziChart& chart) {
  const LuckCycle& luck = chart.luck;
  json pillars = json::array(), before = json::array();
  for (std::size_t k = 0; k < luck.pillars.size(); ++k) {
    json pillar = {{"pillar", PillarJson(luck.pillars[k].pillar)},
                   {"stemGod", U(TenGodName(luck.pillars[k].stemGod))},
                   {"startYear", luck.pillars[k].startYear},
                   {"startAge", luck.pillars[k].startAge}};
    json& years = pillar["years"] = json::array();
    for (const YearFortune& year : chart.timeline.byLuck[k]) years.push_back(YearJson(year));
    pillars.push_back(std::move(pillar));
  }
  for (const MinorLuckYear& year : chart.timeline.beforeLuck) {
    json entry = YearJson(year.year);
    entry["minorLuck"] = PillarJson(year.minorLuck);
    entry["minorLuckGod"] = U(TenGodName(year.minorGod));
    before.push_back(std::move(entry));
  }
  json document = {
      {"forward", luck.forward},
      {"jie", {{"name", U(TermName(luck.jie))}, {"moment", MomentJson(luck.jie.moment)}}},
      {"intervalSeconds", luck.interval},
      {"startAge", {{"years", luck.startAge.years}, {"months", luck.startAge.months}, {"days", luck.startAge.days}}},
      {"startDate", FormatDate(luck.startDate)}};
  document["beforeLuck"] = std::move(before);
  document["pillars"] = std::move(pillars);
  return document;
}

json CurrentJson(const BaziChart& chart) {
  const LuckTimeline& timeline = chart.timeline;
  json months = json::array();
  for (const FlowMonth& month : timeline.months) {
    months.push_back({{"pillar", PillarJson(month.pillar)},
                      {"stemGod", U(TenGodName(month.stemGod))},
                      {"jie", U(TermName(month.jie))},
                      {"start", MomentJson(month.jie.moment)}});
  }
  json current = {{"year", timeline.currentYear},
                  {"flowYear", timeline.currentFlowYear ? YearJson(*timeline.currentFlowYear) : json(nullptr)},
                  {"luck", timeline.currentLuck ? json(*timeline.currentLuck) : json(nullptr)}};
  current["relations"] = RelationsJson(chart, chart.currentRelations);
  current["months"] = std::move(months);
  return current;
}

json TextsJson(const std::vector<std::string>& texts) {
  json list = json::array();
  for (const std::string& text : texts) list.push_back(GbkToUtf8(text));
  return list;
}

json ElementsJson(const UsefulGods& gods, GodRole role) {
  json list = json::array();
  for (const Element element : ElementsInRole(gods, role)) list.push_back(U(ElementName(element)));
  return list;
}

json JudgementJson(const Judgement& judgement) {
  const ChartStrength& strength = judgement.strength;
  const ChartPattern& pattern = judgement.pattern;
  const UsefulGods& gods = judgement.gods;
  const std::string name = U(std::string(PatternRuleOf(pattern.Kind()).name));
  // The 专旺 kind is its 格's name without 格: 润下.
  const json kind = strength.verdict == StrengthVerdict::Dominant ? json(name.substr(0, name.size() - std::string("格").size()))
                                                                   : json(nullptr);
  json document = json::object();
  document["strength"] = {{"score", strength.score},
                          {"verdict", U(StrengthVerdictName(strength.verdict))},
                          {"kind", kind},
                          {"method", GbkToUtf8(StrengthMethodSentence(strength))},
                          {"reasons", TextsJson(strength.reasons)}};
  document["pattern"] = {{"name", name},
                         {"regular", U(std::string(PatternRuleOf(pattern.regular).name))},
                         {"reason", GbkToUtf8(pattern.reason + pattern.specialReason)}};
  document["gods"] = {{"useful", U(ElementName(gods.useful))},
                      {"favourable", ElementsJson(gods, GodRole::Favourable)},
                      {"unfavourable", ElementsJson(gods, GodRole::Unfavourable)},
                      {"idle", ElementsJson(gods, GodRole::Idle)},
                      {"rule", U(GodRuleName(gods.rule))},
                      {"reasons", TextsJson(gods.reasons)}};
  return document;
}

}  // namespace

std::string ChartJson(const BaziChart& chart, int indent) {
  json columns = json::array(), elements = json::object(), states = json::object(), notes = json::array();
  for (const PillarPosition position : kPillarPositions) {
    columns.push_back(ColumnJson(chart.columns[static_cast<std::size_t>(position)], position));
  }
  for (std::size_t e = 0; e < 5; ++e) {
    const std::string name = U(ElementName(static_cast<Element>(e)));
    elements[name] = chart.elementTenths[e] / 10.0;
    states[name] = U(SeasonStateName(chart.seasonStates[e]));
  }
  const std::vector<std::string> noteLines = NoteLines(chart);
  for (const std::string& line : noteLines) notes.push_back(U(line));
  json score = {{"total", chart.score.total}, {"parts", json::array()}};
  for (const ScoreItem& item : chart.score.items) {
    score["parts"].push_back({{"name", U(ScorePartName(item.part))},
                              {"points", item.points},
                              {"max", item.maxPoints},
                              {"reason", U(ScoreReasonText(item.reason))}});
  }
  auto palace = [](const Pillar& pillar) { return json{{"pillar", PillarJson(pillar)}, {"nayin", U(NayinOf(pillar))}}; };
  // Built member by member so that no subtree is copied (the braces of a
  // list copy every value they hold).
  json document = json::object();
  document["input"] = InputJson(chart);
  document["correction"] = CorrectionJson(chart);
  document["charted"] = {{"instant", TimeText(chart.charted.time)}, {"local", TimeText(chart.local)}};
  document["pillars"] = std::move(columns);
  document["dayMaster"] = U(HeavenlyStem(chart.dayMaster));
  document["emptyBranches"] = {U(EarthlyBranch(chart.emptyBranches[0])), U(EarthlyBranch(chart.emptyBranches[1]))};
  document["elements"] = std::move(elements);
  document["seasonStates"] = std::move(states);
  document["palaces"] = {{"taiYuan", palace(chart.palaces.conception)},
                         {"mingGong", palace(chart.palaces.life)},
                         {"shenGong", palace(chart.palaces.body)}};
  document["relations"] = RelationsJson(chart, chart.pillarRelations);
  document["luck"] = LuckJson(chart);
  document["current"] = CurrentJson(chart);
  document["notes"] = std::move(notes);
  document["score"] = std::move(score);
  document["judgement"] = JudgementJson(chart.judgement);
  return document.dump(indent) + "\n";
}

std::string JsonError(const std::string& field, const std::string& message) {
  // A message may repeat what the client sent; never let that break the answer.
  return json{{"error", {{"field", field}, {"message", message}}}}.dump(-1, ' ', false, json::error_handler_t::replace) +
         "\n";
}

}  // namespace velmora::services
