#include "services/company_names.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "services/name_verdicts.h"
#include "services/proposal_order.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kMaxUsesOfCharacter = 2;

struct NameCharacter {
  std::string character;
  std::string element;
  int strokes = 0;
  std::string meaning;
};

// How closely a name's elements follow the surname's: every character born of
// it, every character born of it or of its own element, anything else.
enum class Kinship { BornOf, BornOfOrSame, Other };

bool SuitsTrade(const std::string& trades, const std::string& trade) {
  const std::string& separator = "、"_gbk;
  std::size_t from = 0;
  while (true) {
    const std::size_t end = trades.find(separator, from);
    const std::string part = trades.substr(from, end == std::string::npos ? std::string::npos : end - from);
    if (part == trade || part == "各业"_gbk) return true;
    if (end == std::string::npos) return false;
    from = end + separator.size();
  }
}

std::string TradeShortName(const Sources& sources, const std::string& trade) {
  const Table& table = sources.TableNamed("company_trades");
  const std::vector<std::string>* row = table.Find(trade);
  return row ? row->at(table.Column("简称"_gbk)) : std::string();
}

std::vector<NameCharacter> TradeCharacters(const Sources& sources, const std::string& shortName) {
  const Table& table = sources.TableNamed("company_name_characters");
  const std::size_t element = table.Column("五行"_gbk);
  const std::size_t trades = table.Column("行业"_gbk);
  const std::size_t meaning = table.Column("字义"_gbk);
  std::vector<NameCharacter> characters;
  for (const std::vector<std::string>& row : table.Rows()) {
    if (!SuitsTrade(row.at(trades), shortName)) continue;
    if (const std::optional<int> strokes = sources.StrokeCount(row.at(0))) {
      characters.push_back({row.at(0), row.at(element), *strokes, row.at(meaning)});
    }
  }
  return characters;
}

Kinship KinshipOf(const std::vector<const NameCharacter*>& name, const std::string& own, const std::string& born) {
  if (std::all_of(name.begin(), name.end(), [&](const NameCharacter* c) { return c->element == born; })) {
    return Kinship::BornOf;
  }
  if (std::all_of(name.begin(), name.end(), [&](const NameCharacter* c) { return c->element == born || c->element == own; })) {
    return Kinship::BornOfOrSame;
  }
  return Kinship::Other;
}

std::string Relation(Kinship kinship, const std::vector<const NameCharacter*>& name, const std::string& own,
                     const std::string& born) {
  std::string elements;
  for (const NameCharacter* c : name) {
    if (elements.find(c->element) == std::string::npos) elements += c->element;
  }
  switch (kinship) {
    case Kinship::BornOf:
      return "字号五行属"_gbk + born + "，为创办者姓氏之"_gbk + own + "所生，"_gbk + own + born + "相生，生生不息"_gbk;
    case Kinship::BornOfOrSame:
      if (elements == own) return "字号五行与创办者姓氏同属"_gbk + own + "，比和相助"_gbk;
      return "字号五行"_gbk + elements + "，得创办者姓氏之"_gbk + own + "相生相扶"_gbk;
    case Kinship::Other:
      break;
  }
  return "字号五行"_gbk + elements + "，总笔划吉祥，可补姓氏之"_gbk + own + "所不足"_gbk;
}

struct Candidate {
  std::uint64_t order = 0;
  std::vector<const NameCharacter*> characters;
};

// Every name of the given length from the pool of that kinship whose total
// strokes are 吉 and whose kinship is exactly that one.
std::vector<Candidate> NamesOfKinship(Kinship kinship, const std::vector<NameCharacter>& all, const CompanyRequest& request,
                                      const std::string& own, const std::string& born, const Sources& sources) {
  std::vector<const NameCharacter*> pool;
  for (const NameCharacter& c : all) {
    if (kinship == Kinship::Other || c.element == born || (kinship == Kinship::BornOfOrSame && c.element == own)) {
      pool.push_back(&c);
    }
  }
  std::map<int, bool> goodTotals;
  auto isGood = [&](int total) {
    auto found = goodTotals.find(total);
    if (found == goodTotals.end()) found = goodTotals.emplace(total, NumberVerdict(sources, total) == "吉"_gbk).first;
    return found->second;
  };
  std::vector<Candidate> names;
  auto consider = [&](const std::vector<const NameCharacter*>& name) {
    int total = 0;
    for (const NameCharacter* c : name) total += c->strokes;
    if (!isGood(total) || KinshipOf(name, own, born) != kinship) return;
    std::string text = request.surname + request.trade;
    for (const NameCharacter* c : name) text += c->character;
    names.push_back({ProposalOrder(text), name});
  };
  for (const NameCharacter* a : pool) {
    for (const NameCharacter* b : pool) {
      if (b == a) continue;
      if (request.length == 2) {
        consider({a, b});
        continue;
      }
      for (const NameCharacter* c : pool) {
        if (c != a && c != b) consider({a, b, c});
      }
    }
  }
  std::sort(names.begin(), names.end(), [](const Candidate& x, const Candidate& y) { return x.order < y.order; });
  return names;
}

}  // namespace

std::vector<std::string> CompanyTrades(const Sources& sources) {
  std::vector<std::string> trades;
  for (const std::vector<std::string>& row : sources.TableNamed("company_trades").Rows()) trades.push_back(row.at(0));
  return trades;
}

std::string SurnameElement(const Sources& sources, const std::string& surname) {
  int strokes = 0;
  for (std::size_t i = 0; i + 1 < surname.size(); i += 2) {
    const std::optional<int> count = sources.StrokeCount(surname.substr(i, 2));
    if (!count) return {};
    strokes += *count;
  }
  return strokes > 0 ? ElementOfNumber(strokes) : std::string();
}

std::vector<ProposedCompanyName> ProposeCompanyNames(const Sources& sources, const CompanyRequest& request) {
  const std::string own = SurnameElement(sources, request.surname);
  const std::string shortName = TradeShortName(sources, request.trade);
  if (own.empty() || shortName.empty()) return {};
  const std::string born = ElementBornOf(own);
  const std::vector<NameCharacter> characters = TradeCharacters(sources, shortName);

  std::vector<ProposedCompanyName> names;
  std::map<const NameCharacter*, int> uses;
  for (const Kinship kinship : {Kinship::BornOf, Kinship::BornOfOrSame, Kinship::Other}) {
    for (const Candidate& candidate : NamesOfKinship(kinship, characters, request, own, born, sources)) {
      if (static_cast<int>(names.size()) == kCompanyProposals) return names;
      if (std::any_of(candidate.characters.begin(), candidate.characters.end(),
                      [&](const NameCharacter* c) { return uses[c] >= kMaxUsesOfCharacter; })) {
        continue;
      }
      ProposedCompanyName name;
      std::string meanings;
      for (const NameCharacter* c : candidate.characters) {
        ++uses[c];
        name.name += c->character;
        name.strokes += c->strokes;
        meanings += (meanings.empty() ? "" : "；"_gbk) + c->character + "："_gbk + c->meaning;
      }
      name.verdict = NumberVerdict(sources, name.strokes);
      name.reason = "总笔划"_gbk + std::to_string(name.strokes) + "，"_gbk + NumberMotto(sources, name.strokes) + "。"_gbk +
                    Relation(kinship, candidate.characters, own, born) + "。"_gbk + meanings + "。"_gbk;
      names.push_back(std::move(name));
    }
  }
  return names;
}

}  // namespace velmora::services
