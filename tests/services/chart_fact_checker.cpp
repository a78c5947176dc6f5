#include "tests/services/chart_fact_checker.h"

#include <array>
#include <string_view>

#include "calendar/sexagenary.h"
#include "readings/hidden_stems.h"
#include "readings/judgement_words.h"
#include "readings/ten_gods.h"
#include "text/gbk.h"

namespace velmora::testing {
namespace {

const std::array<std::string, 5> kElements = {"金", "木", "水", "火", "土"};
const std::array<std::string, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

struct GodName {
  std::string name;
  int god;       // TenGod, or -1 for a kind
  int relation;  // ElementRelation of the god or kind
};

const std::vector<GodName>& GodNames() {
  static const std::vector<GodName> names = [] {
    std::vector<GodName> list;
    for (int g = 0; g < 10; ++g) list.push_back({GbkToUtf8(TenGodName(static_cast<TenGod>(g))), g, g / 2});
    for (int r = 0; r < 5; ++r) list.push_back({GbkToUtf8(RelationGodsName(static_cast<ElementRelation>(r))), -1, r});
    list.push_back({"偏官", 6, 3});
    list.push_back({"七煞", 6, 3});
    list.push_back({"枭神", 8, 4});
    list.push_back({"官星", -1, 3});
    list.push_back({"印绶", -1, 4});
    return list;
  }();
  return names;
}

// The roles a sentence states.
std::vector<GodRole> RolesIn(std::string_view sentence) {
  static const std::pair<std::string_view, GodRole> markers[] = {
      {"用神", GodRole::Useful},       {"为用", GodRole::Useful},      {"喜神", GodRole::Favourable},
      {"为喜", GodRole::Favourable},   {"忌神", GodRole::Unfavourable}, {"为忌", GodRole::Unfavourable},
      {"闲神", GodRole::Idle}};
  std::vector<GodRole> roles;
  for (const auto& [marker, role] : markers) {
    if (sentence.find(marker) != std::string_view::npos) roles.push_back(role);
  }
  return roles;
}

std::vector<std::string> Sentences(const std::string& paragraph) {
  std::vector<std::string> sentences;
  std::string current;
  for (std::size_t i = 0; i < paragraph.size();) {
    const std::size_t length = (static_cast<unsigned char>(paragraph[i]) >= 0xE0) ? 3 : 1;
    const std::string character = paragraph.substr(i, length);
    current += character;
    i += length;
    if (character == "。" || character == "；" || character == "！" || character == "？") {
      sentences.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) sentences.push_back(current);
  return sentences;
}

// The sentence without the words in which a stem's character has its
// everyday sense (己 as oneself), so that only stems are looked for.
std::string WithoutOrdinaryWords(std::string sentence) {
  for (const std::string word : {"自己", "己见", "对己", "伤己"}) {
    for (std::size_t at; (at = sentence.find(word)) != std::string::npos;) sentence.erase(at, word.size());
  }
  return sentence;
}

bool Holds(const std::set<std::string>& set, const std::string& item) { return set.count(item) > 0; }

std::string Unfounded(const std::string& sentence, const ChartFacts& facts) {
  std::set<std::string> stated;  // the elements of the roles the sentence states
  std::set<int> statedRelations;
  const Element self = StemElement(facts.dayMaster);
  for (const GodRole role : RolesIn(sentence)) {
    for (std::size_t e = 0; e < 5; ++e) {
      if (facts.roleOf[e] != role) continue;
      stated.insert(kElements[e]);
      statedRelations.insert(static_cast<int>(RelationOf(self, static_cast<Element>(e))));
    }
  }
  for (const std::string& element : kElements) {
    if (sentence.find(element) != std::string::npos && !Holds(facts.elements, element) && !Holds(stated, element)) {
      return element;
    }
  }
  const std::string plain = WithoutOrdinaryWords(sentence);
  for (std::size_t s = 0; s < kStems.size(); ++s) {
    const std::string& element = kElements[static_cast<std::size_t>(StemElement(static_cast<int>(s)))];
    if (plain.find(kStems[s]) != std::string::npos && !Holds(facts.stems, kStems[s]) && !Holds(stated, element)) {
      return kStems[s];
    }
  }
  for (const GodName& name : GodNames()) {
    if (sentence.find(name.name) == std::string::npos) continue;
    bool allowed = statedRelations.count(name.relation) > 0;
    for (const std::string& held : facts.gods) {
      for (const GodName& other : GodNames()) {
        if (other.name == held && other.god >= 0 &&
            (name.god == other.god || (name.god < 0 && name.relation == other.relation))) {
          allowed = true;
        }
      }
    }
    if (!allowed) return name.name;
  }
  return {};
}

void AddPillar(ChartFacts& facts, int dayMaster, const Pillar& pillar, bool isDayPillar) {
  facts.stems.insert(GbkToUtf8(HeavenlyStem(pillar.stem)));
  facts.elements.insert(GbkToUtf8(ElementName(StemElement(pillar.stem))));
  if (!isDayPillar) facts.gods.insert(GbkToUtf8(TenGodName(TenGodOf(dayMaster, pillar.stem))));
  for (const HiddenStem& hidden : HiddenStemsOf(pillar.branch)) {
    facts.stems.insert(GbkToUtf8(HeavenlyStem(hidden.stem)));
    facts.elements.insert(GbkToUtf8(ElementName(StemElement(hidden.stem))));
    facts.gods.insert(GbkToUtf8(TenGodName(TenGodOf(dayMaster, hidden.stem))));
  }
}

}  // namespace

ChartFacts FactsOf(const BaziChart& chart) {
  ChartFacts facts;
  facts.dayMaster = chart.dayMaster;
  facts.roleOf = chart.judgement.gods.roleOf;
  AddPillar(facts, chart.dayMaster, chart.pillars.year, false);
  AddPillar(facts, chart.dayMaster, chart.pillars.month, false);
  AddPillar(facts, chart.dayMaster, chart.pillars.day, true);
  AddPillar(facts, chart.dayMaster, chart.pillars.hour, false);
  const LuckTimeline& timeline = chart.timeline;
  if (timeline.currentLuck) {
    AddPillar(facts, chart.dayMaster, chart.luck.pillars[*timeline.currentLuck].pillar, false);
  } else if (timeline.currentYear < chart.luck.pillars[0].startYear) {
    AddPillar(facts, chart.dayMaster, chart.luck.pillars[0].pillar, false);
  }
  if (timeline.currentFlowYear) AddPillar(facts, chart.dayMaster, timeline.currentFlowYear->pillar, false);
  return facts;
}

std::vector<std::string> UnfoundedSentences(const std::vector<std::string>& paragraphs, const ChartFacts& facts) {
  std::vector<std::string> found;
  for (const std::string& paragraph : paragraphs) {
    for (const std::string& sentence : Sentences(paragraph)) {
      const std::string name = Unfounded(sentence, facts);
      if (!name.empty()) found.push_back("[" + name + "] " + sentence);
    }
  }
  return found;
}

}  // namespace velmora::testing
