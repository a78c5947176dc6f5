#include "services/company_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>

#include "services/name_verdicts.h"
#include "services/proposal_order.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kMaxUsesOfCharacter = 2;
// How many names of one kinship are put in order: far more than a list takes
// even when its characters run out.
constexpr std::size_t kOrderedCandidates = 4096;

struct NameCharacter {
  std::string character;
  std::string element;
  int strokes = 0;
  std::string meaning;
};

// How closely a name's elements follow the surname's, best first: every
// character born of it, every character born of it or of its own element,
// anything else. A name's kinship is that of its weakest character.
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

using NameParts = std::span<const NameCharacter* const>;

std::string Relation(Kinship kinship, NameParts name, const std::string& own, const std::string& born) {
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
  std::array<const NameCharacter*, 3> characters{};
  std::size_t length = 0;
  NameParts Parts() const { return {characters.data(), length}; }
};

// Every name of the given length from the pool of that kinship whose total
// strokes are 吉 and whose kinship is exactly that one, in the order of
// proposal; only the first kOrderedCandidates are kept.
std::vector<Candidate> NamesOfKinship(Kinship kinship, const std::vector<NameCharacter>& all, const CompanyRequest& request,
                                      const std::string& own, const std::string& born, const Sources& sources) {
  struct Part {
    const NameCharacter* character;
    int strokes;
    Kinship kinship;  // of the character alone
  };
  std::vector<Part> pool;
  int most = 0;
  for (const NameCharacter& c : all) {
    const Kinship alone = c.element == born ? Kinship::BornOf : c.element == own ? Kinship::BornOfOrSame : Kinship::Other;
    if (alone <= kinship) {
      pool.push_back({&c, c.strokes, alone});
      most = std::max(most, c.strokes);
    }
  }
  const auto length = static_cast<std::size_t>(request.length);
  std::vector<bool> goodTotal(static_cast<std::size_t>(most) * length + 1);
  for (std::size_t total = 1; total < goodTotal.size(); ++total) {
    goodTotal[total] = NumberVerdict(sources, static_cast<int>(total)) == "吉"_gbk;
  }
  // The name's kinship is its weakest character's.
  auto fits = [&](std::initializer_list<std::size_t> at) {
    int total = 0;
    Kinship weakest = Kinship::BornOf;
    for (const std::size_t i : at) {
      total += pool[i].strokes;
      weakest = std::max(weakest, pool[i].kinship);
    }
    return weakest == kinship && goodTotal[static_cast<std::size_t>(total)];
  };
  auto earlier = [](const Candidate& x, const Candidate& y) { return x.order < y.order; };
  std::vector<Candidate> kept;  // a heap whose front is the latest kept
  auto keep = [&](std::uint64_t order, std::initializer_list<std::size_t> at) {
    if (kept.size() == kOrderedCandidates && order >= kept.front().order) return;
    Candidate candidate{order, {}, at.size()};
    std::size_t i = 0;
    for (const std::size_t each : at) candidate.characters[i++] = pool[each].character;
    if (kept.size() == kOrderedCandidates) {
      std::pop_heap(kept.begin(), kept.end(), earlier);
      kept.back() = candidate;
    } else {
      kept.push_back(candidate);
    }
    std::push_heap(kept.begin(), kept.end(), earlier);
  };
  const std::uint64_t seed = ProposalOrder(request.surname + request.trade);
  for (std::size_t a = 0; a < pool.size(); ++a) {
    const std::uint64_t first = ProposalOrder(seed, a);
    for (std::size_t b = 0; b < pool.size(); ++b) {
      if (b == a) continue;
      const std::uint64_t second = ProposalOrder(first, b);
      if (length == 2) {
        if (fits({a, b})) keep(second, {a, b});
        continue;
      }
      for (std::size_t c = 0; c < pool.size(); ++c) {
        if (c != a && c != b && fits({a, b, c})) keep(ProposalOrder(second, c), {a, b, c});
      }
    }
  }
  std::sort_heap(kept.begin(), kept.end(), earlier);
  return kept;
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
      const NameParts parts = candidate.Parts();
      if (std::any_of(parts.begin(), parts.end(), [&](const NameCharacter* c) { return uses[c] >= kMaxUsesOfCharacter; })) {
        continue;
      }
      ProposedCompanyName name;
      std::string meanings;
      for (const NameCharacter* c : parts) {
        ++uses[c];
        name.name += c->character;
        name.strokes += c->strokes;
        meanings += (meanings.empty() ? "" : "；"_gbk) + c->character + "："_gbk + c->meaning;
      }
      name.verdict = NumberVerdict(sources, name.strokes);
      name.reason = "总笔划"_gbk + std::to_string(name.strokes) + "，"_gbk + NumberMotto(sources, name.strokes) + "。"_gbk +
                    Relation(kinship, parts, own, born) + "。"_gbk + meanings + "。"_gbk;
      names.push_back(std::move(name));
    }
  }
  return names;
}

}  // namespace velmora::services
