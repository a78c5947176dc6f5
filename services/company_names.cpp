#include "services/company_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "services/name_verdicts.h"
#include "services/naming_lists.h"
#include "services/proposal_order.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kMaxUsesOfCharacter = 2;
// Names drawn for each kinship before the next one is tried: far more than a
// list takes; a kinship whose characters have run short gives up earlier,
// after that many draws in a row found nothing.
constexpr int kDraws = 3000;
constexpr int kMissesInARow = 300;

// How closely a name's elements follow the surname's, best first: every
// character born of it, every character born of it or of its own element,
// anything else. A name's kinship is that of its weakest character.
enum class Kinship { BornOf, BornOfOrSame, Other };

struct Candidate {
  const CompanyCharacter* character;
  Kinship kinship;  // of the character alone
  bool ofTrade;     // named for the trade itself, not only 各业
};

std::string TradeShortName(const Sources& sources, const std::string& trade) {
  const Table& table = sources.TableNamed("company_trades");
  const std::vector<std::string>* row = table.Find(trade);
  return row ? row->at(table.Column("简称"_gbk)) : std::string();
}

// The draws of one request: a fixed sequence of numbers mixed from its seed.
class Draws {
 public:
  explicit Draws(std::uint64_t seed) : state_(seed) {}
  std::size_t Below(std::size_t bound) {
    state_ += 0x9e3779b97f4a7c15ull;
    return static_cast<std::size_t>(MixedBits(state_) % bound);
  }

 private:
  std::uint64_t state_;
};

using Parts = std::vector<const Candidate*>;

std::string RelationSentence(Kinship kinship, const Parts& parts, const std::string& own) {
  std::string elements;
  for (const Candidate* c : parts) {
    elements += (elements.empty() ? "" : "、"_gbk) + c->character->character + "属"_gbk + c->character->element;
  }
  switch (kinship) {
    case Kinship::BornOf: return elements + "，皆为创办者姓氏之"_gbk + own + "所生，相生不息。"_gbk;
    case Kinship::BornOfOrSame: return elements + "，得创办者姓氏之"_gbk + own + "相生相扶。"_gbk;
    case Kinship::Other: break;
  }
  return elements + "，可补创办者姓氏之"_gbk + own + "所不足。"_gbk;
}

// The reason of a name, every sentence made of its own characters.
std::string Reason(const std::string& name, int strokes, Kinship kinship, const Parts& parts, const std::string& own,
                   const std::string& trade, const Sources& sources) {
  std::string reason =
      name + "合计"_gbk + std::to_string(strokes) + "划，"_gbk + NumberMotto(sources, strokes) + "。"_gbk;
  reason += RelationSentence(kinship, parts, own);
  for (const Candidate* c : parts) {
    if (c->ofTrade) {
      reason += c->character->character + "字切合"_gbk + trade + "。"_gbk;
      break;
    }
  }
  std::string meanings;
  for (const Candidate* c : parts) {
    meanings += (meanings.empty() ? "" : "；"_gbk) + c->character->character + "："_gbk + c->character->meaning;
  }
  return reason + meanings + "。"_gbk;
}

class Proposals {
 public:
  Proposals(const CompanyRequest& request, const NamingLists& lists, const Sources& sources)
      : request_(request), lists_(lists), sources_(sources) {}

  bool Full() const { return static_cast<int>(names_.size()) == kCompanyProposals; }

  // Draws names of exactly this kinship from the pool until the list is full
  // or the draws run out.
  void Draw(Kinship kinship, const std::vector<Candidate>& pool, Draws& draws, const std::string& own) {
    Parts eligible;
    Parts ofTrade;
    for (const Candidate& c : pool) {
      if (c.kinship > kinship) continue;
      eligible.push_back(&c);
      if (c.ofTrade) ofTrade.push_back(&c);
    }
    if (ofTrade.empty()) return;
    const auto length = static_cast<std::size_t>(request_.length);
    Parts parts(length);
    for (int draw = 0, misses = 0; draw < kDraws && misses < kMissesInARow && !Full(); ++draw) {
      const std::size_t tradeAt = draws.Below(length);
      for (std::size_t i = 0; i < length; ++i) {
        parts[i] = i == tradeAt ? ofTrade[draws.Below(ofTrade.size())] : eligible[draws.Below(eligible.size())];
      }
      if (Acceptable(parts, kinship)) {
        Add(parts, kinship, own);
        misses = 0;
      } else {
        ++misses;
      }
    }
  }

  std::vector<ProposedCompanyName> Names() && { return std::move(names_); }

 private:
  bool Acceptable(const Parts& parts, Kinship kinship) const {
    Kinship weakest = Kinship::BornOf;
    int strokes = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const CompanyCharacter& c = *parts[i]->character;
      for (std::size_t j = 0; j < i; ++j) {
        const CompanyCharacter& earlier = *parts[j]->character;
        if (&earlier == &c || earlier.reading.letters == c.reading.letters || earlier.radical == c.radical)
          return false;
      }
      const auto used = uses_.find(&c);
      if (used != uses_.end() && used->second >= kMaxUsesOfCharacter) return false;
      weakest = std::max(weakest, parts[i]->kinship);
      strokes += c.strokes;
    }
    if (weakest != kinship || lists_.NumberVerdict(strokes) != "吉"_gbk || taken_.count(Key(parts))) return false;
    std::vector<std::string> texts;
    std::vector<std::optional<Syllable>> readings;
    for (const Candidate* c : parts) {
      texts.push_back(c->character->character);
      readings.emplace_back(c->character->reading);
    }
    return !lists_.Stops().WordIn(texts, readings);
  }

  // The characters of a name in any order.
  static std::set<std::string> Key(const Parts& parts) {
    std::set<std::string> characters;
    for (const Candidate* c : parts) characters.insert(c->character->character);
    return characters;
  }

  void Add(const Parts& parts, Kinship kinship, const std::string& own) {
    ProposedCompanyName name;
    for (const Candidate* c : parts) {
      ++uses_[c->character];
      name.name += c->character->character;
      name.strokes += c->character->strokes;
    }
    taken_.insert(Key(parts));
    name.verdict = lists_.NumberVerdict(name.strokes);
    name.reason = Reason(name.name, name.strokes, kinship, parts, own, request_.trade, sources_);
    names_.push_back(std::move(name));
  }

  const CompanyRequest& request_;
  const NamingLists& lists_;
  const Sources& sources_;
  std::vector<ProposedCompanyName> names_;
  std::map<const CompanyCharacter*, int> uses_;
  std::set<std::set<std::string>> taken_;  // each name's characters in any order
};

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
  const NamingLists& lists = sources.Derived<NamingLists>();

  std::vector<Candidate> pool;
  for (const CompanyCharacter& c : lists.Company()) {
    const bool ofTrade = std::find(c.trades.begin(), c.trades.end(), shortName) != c.trades.end();
    if (!ofTrade && !c.trades.empty()) continue;
    const Kinship alone = c.element == born  ? Kinship::BornOf
                          : c.element == own ? Kinship::BornOfOrSame
                                             : Kinship::Other;
    pool.push_back({&c, alone, ofTrade});
  }
  Draws draws(ProposalOrder(request.surname + request.trade + std::to_string(request.length)));
  Proposals proposals(request, lists, sources);
  for (const Kinship kinship : {Kinship::BornOf, Kinship::BornOfOrSame, Kinship::Other}) {
    proposals.Draw(kinship, pool, draws, own);
  }
  return std::move(proposals).Names();
}

}  // namespace velmora::services
