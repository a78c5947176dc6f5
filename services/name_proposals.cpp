#include "services/name_proposals.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>

#include "services/name_verdicts.h"
#include "services/naming_lists.h"
#include "services/proposal_order.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kMaxUsesOfCharacter = 2;
constexpr int kToneBonus = 4;
// Above every grid number a name can show (the total is shown at most 81).
constexpr std::size_t kGridNumbers = 128;

bool IsGood(const std::string& verdict) { return verdict == "吉"_gbk; }
bool IsHalfGood(const std::string& verdict) {
  return verdict == "半吉"_gbk || verdict == "中吉"_gbk || verdict == "吉带凶"_gbk;
}
bool AreGoodTalents(const std::string& verdict) { return verdict == "吉"_gbk || verdict == "大吉"_gbk; }
bool AreMiddlingTalents(const std::string& verdict) { return verdict == "中吉"_gbk || verdict == "半吉"_gbk; }

int Points(const std::string& verdict, int good, int halfGood) {
  return IsGood(verdict) ? good : IsHalfGood(verdict) ? halfGood : 0;
}

bool IsLevel(int tone) { return tone == 1 || tone == 2; }
bool IsOblique(int tone) { return tone == 3 || tone == 4; }
bool AreMixed(const std::vector<int>& tones) {
  return std::any_of(tones.begin(), tones.end(), IsLevel) && std::any_of(tones.begin(), tones.end(), IsOblique);
}
bool AllTheSame(const std::vector<int>& tones) {
  return tones.size() >= 2 && std::all_of(tones.begin(), tones.end(), [&](int tone) { return tone == tones.front(); });
}

// The grids of the surname's strokes and one or two given-name counts, as the
// name reading forms them for a one-character surname, with their verdicts
// and tier; nothing when the name meets no tier.
std::optional<ProposedName> JudgedGrids(int surname, int first, std::optional<int> second, const NamingLists& lists) {
  ProposedName name;
  name.heaven = surname + 1;
  name.person = surname + first;
  name.earth = second ? first + *second : first + 1;
  name.outer = second ? *second + 1 : 2;
  name.total = EightyOneNumber(surname + first + second.value_or(0));
  name.personVerdict = lists.NumberVerdict(name.person);
  name.earthVerdict = lists.NumberVerdict(name.earth);
  name.outerVerdict = lists.NumberVerdict(name.outer);
  name.totalVerdict = lists.NumberVerdict(name.total);
  name.talents = ElementOfNumber(name.heaven) + ElementOfNumber(name.person) + ElementOfNumber(name.earth);
  name.talentsVerdict = lists.TalentsVerdict(name.talents);
  const std::optional<NameTier> tier =
      TierOf(name.personVerdict, name.earthVerdict, name.totalVerdict, name.talentsVerdict);
  if (!tier) return std::nullopt;
  name.tier = *tier;
  return name;
}

using Group = std::vector<const GivenCharacter*>;

// The list's characters for the sex by stroke count, apart from the surname,
// each count's characters in an order mixed from the seed.
std::map<int, Group> CharactersByStrokes(const NamingLists& lists, const NameRequest& request, std::uint64_t seed) {
  std::map<int, Group> groups;
  for (const GivenCharacter& character : lists.Given(request.girl)) {
    if (character.character != request.surname) groups[character.strokes].push_back(&character);
  }
  for (auto& [strokes, group] : groups) {
    std::vector<std::pair<std::uint64_t, const GivenCharacter*>> keyed;
    for (const GivenCharacter* character : group)
      keyed.emplace_back(ProposalOrder(seed, ProposalOrder(character->character)), character);
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i) group[i] = keyed[i].second;
  }
  return groups;
}

// One stroke combination that meets a tier, with its characters.
struct Combination {
  ProposedName grids;
  int gridScore = 0;  // the score without the tones
  const Group* firsts = nullptr;
  const Group* seconds = nullptr;  // nothing for a one-character given name
};

std::vector<Combination> Combinations(int surname, const std::map<int, Group>& groups, bool twoGiven,
                                      const NamingLists& lists) {
  std::vector<Combination> combinations;
  for (const auto& [first, firsts] : groups) {
    if (!twoGiven) {
      if (std::optional<ProposedName> grids = JudgedGrids(surname, first, std::nullopt, lists)) {
        combinations.push_back({*grids, NameScore(*grids, {}), &firsts, nullptr});
      }
      continue;
    }
    for (const auto& [second, seconds] : groups) {
      if (std::optional<ProposedName> grids = JudgedGrids(surname, first, second, lists)) {
        combinations.push_back({*grids, NameScore(*grids, {}), &firsts, &seconds});
      }
    }
  }
  return combinations;
}

// The names of one combination whose tones are mixed or not, each pass of it
// walking its character pairs diagonally, so that names following each other
// differ in both characters.
struct Stream {
  const Combination* combination = nullptr;
  bool mixedTones = false;
  int score = 0;
  std::uint64_t order = 0;
  std::array<std::size_t, 2> next{};  // per pass: the favoured names, the others

  std::size_t Pairs() const {
    return combination->firsts->size() * (combination->seconds ? combination->seconds->size() : 1);
  }
  std::array<const GivenCharacter*, 2> Pair(std::size_t t) const {
    const Group& firsts = *combination->firsts;
    const std::size_t i = t % firsts.size();
    if (!combination->seconds) return {firsts[i], nullptr};
    const Group& seconds = *combination->seconds;
    return {firsts[i], seconds[(t / firsts.size() + i) % seconds.size()]};
  }
};

class Picker {
 public:
  Picker(const NameRequest& request, const NamingLists& lists)
      : request_(request), lists_(lists), surnameReading_(lists.SurnameReading(request.surname)) {}

  bool Full() const { return static_cast<int>(names_.size()) == kNameProposals; }

  // The grids of the combination are still open to another name.
  bool Open(const Combination& combination) const {
    const ProposedName& grids = combination.grids;
    return persons_[Index(grids.person)] < kNamesOfOneGrid && earths_[Index(grids.earth)] < kNamesOfOneGrid &&
           totals_[Index(grids.total)] < kNamesOfOneGrid;
  }

  // Takes the stream's next name of the pass; false when it has none left.
  bool TakeNext(Stream& stream, int pass) {
    for (std::size_t& t = stream.next[static_cast<std::size_t>(pass)]; t < stream.Pairs(); ++t) {
      const std::array<const GivenCharacter*, 2> pair = stream.Pair(t);
      const bool favoured = pair[0]->favoured && (!pair[1] || pair[1]->favoured);
      if (favoured != (pass == 0) || !Acceptable(pair, stream.mixedTones)) continue;
      Add(*stream.combination, pair, stream.score);
      ++t;
      return true;
    }
    return false;
  }

  std::vector<ProposedName> Names() && { return std::move(names_); }

 private:
  static std::size_t Index(int number) { return static_cast<std::size_t>(number) % kGridNumbers; }

  std::vector<int> Tones(const std::array<const GivenCharacter*, 2>& pair) const {
    std::vector<int> tones;
    if (surnameReading_) tones.push_back(surnameReading_->tone);
    for (const GivenCharacter* c : pair) {
      if (c) tones.push_back(c->reading.tone);
    }
    return tones;
  }

  bool Acceptable(const std::array<const GivenCharacter*, 2>& pair, bool mixedTones) const {
    const GivenCharacter* a = pair[0];
    const GivenCharacter* b = pair[1];
    if (Uses(a) >= kMaxUsesOfCharacter || (b && Uses(b) >= kMaxUsesOfCharacter)) return false;
    if (surnameReading_ && a->reading.letters == surnameReading_->letters) return false;
    if (b && (a == b || b->reading.letters == a->reading.letters || b->radical == a->radical ||
              (surnameReading_ && b->reading.letters == surnameReading_->letters))) {
      return false;
    }
    const std::vector<int> tones = Tones(pair);
    if (AllTheSame(tones) || AreMixed(tones) != mixedTones) return false;
    std::vector<std::string> characters{request_.surname, a->character};
    std::vector<std::optional<Syllable>> readings{surnameReading_, a->reading};
    if (b) {
      characters.push_back(b->character);
      readings.emplace_back(b->reading);
    }
    return !lists_.Stops().WordIn(characters, readings, 1);
  }

  int Uses(const GivenCharacter* character) const {
    const auto found = uses_.find(character);
    return found == uses_.end() ? 0 : found->second;
  }

  void Add(const Combination& combination, const std::array<const GivenCharacter*, 2>& pair, int score) {
    ProposedName name = combination.grids;
    name.score = score;
    name.name = request_.surname;
    for (const GivenCharacter* c : pair) {
      if (!c) continue;
      ++uses_[c];
      name.name += c->character;
      if (!name.meaning.empty()) name.meaning += "；"_gbk;
      name.meaning += c->character + "："_gbk + c->meaning;
    }
    ++persons_[Index(name.person)];
    ++earths_[Index(name.earth)];
    ++totals_[Index(name.total)];
    names_.push_back(std::move(name));
  }

  const NameRequest& request_;
  const NamingLists& lists_;
  const std::optional<Syllable> surnameReading_;
  std::vector<ProposedName> names_;
  std::map<const GivenCharacter*, int> uses_;
  std::array<int, kGridNumbers> persons_{};
  std::array<int, kGridNumbers> earths_{};
  std::array<int, kGridNumbers> totals_{};
};

}  // namespace

std::optional<NameTier> TierOf(const std::string& person, const std::string& earth, const std::string& total,
                               const std::string& talents) {
  if (!IsGood(person) || !IsGood(total)) return std::nullopt;
  if (IsGood(earth) && AreGoodTalents(talents)) return NameTier::First;
  if (IsHalfGood(earth) && AreGoodTalents(talents)) return NameTier::Second;
  if ((IsGood(earth) || IsHalfGood(earth)) && AreMiddlingTalents(talents)) return NameTier::Third;
  return NameTier::Fourth;
}

std::string TierName(NameTier tier) {
  switch (tier) {
    case NameTier::First: return "甲等"_gbk;
    case NameTier::Second: return "乙等"_gbk;
    case NameTier::Third: return "丙等"_gbk;
    case NameTier::Fourth: break;
  }
  return "丁等"_gbk;
}

int NameScore(const ProposedName& name, const std::vector<int>& tones) {
  int score = 60 + Points(name.personVerdict, 8, 4) + Points(name.earthVerdict, 8, 4) +
              Points(name.totalVerdict, 8, 4) + Points(name.outerVerdict, 6, 3);
  if (name.talentsVerdict == "大吉"_gbk) {
    score += 6;
  } else if (name.talentsVerdict == "吉"_gbk) {
    score += 3;
  } else if (AreMiddlingTalents(name.talentsVerdict)) {
    score += 1;
  }
  if (AreMixed(tones)) score += kToneBonus;
  return score;
}

int StrictStrokes(const Sources& sources, const NameRequest& request) {
  const std::optional<int> surnameStrokes = sources.StrokeCount(request.surname);
  if (!surnameStrokes) return 0;
  const NamingLists& lists = sources.Derived<NamingLists>();
  const std::map<int, Group> groups = CharactersByStrokes(lists, request, 0);
  const std::vector<Combination> combinations = Combinations(*surnameStrokes, groups, request.length == 3, lists);
  return static_cast<int>(std::count_if(combinations.begin(), combinations.end(),
                                        [](const Combination& c) { return c.grids.tier == NameTier::First; }));
}

std::vector<ProposedName> ProposeNames(const Sources& sources, const NameRequest& request) {
  const std::optional<int> surnameStrokes = sources.StrokeCount(request.surname);
  if (!surnameStrokes) return {};
  const NamingLists& lists = sources.Derived<NamingLists>();
  const std::uint64_t seed =
      ProposalOrder(request.surname + (request.girl ? "f" : "m") + std::to_string(request.length));
  const std::map<int, Group> groups = CharactersByStrokes(lists, request, seed);
  const std::vector<Combination> combinations = Combinations(*surnameStrokes, groups, request.length == 3, lists);

  // Each combination gives two streams: its names with mixed tones score more.
  std::vector<Stream> streams;
  for (std::size_t i = 0; i < combinations.size(); ++i) {
    const std::uint64_t order = ProposalOrder(seed, i);
    streams.push_back({&combinations[i], true, combinations[i].gridScore + kToneBonus, order, {}});
    streams.push_back({&combinations[i], false, combinations[i].gridScore, order, {}});
  }
  std::sort(streams.begin(), streams.end(), [](const Stream& x, const Stream& y) {
    if (x.combination->grids.tier != y.combination->grids.tier)
      return x.combination->grids.tier < y.combination->grids.tier;
    if (x.score != y.score) return x.score > y.score;
    return x.order < y.order;
  });

  // Level by level (a tier and a score), the favoured names first, one name
  // from each stream in turn.
  Picker picker(request, lists);
  for (auto level = streams.begin(); level != streams.end() && !picker.Full();) {
    const auto end = std::find_if(level, streams.end(), [&](const Stream& s) {
      return s.combination->grids.tier != level->combination->grids.tier || s.score != level->score;
    });
    for (int pass = 0; pass < 2 && !picker.Full(); ++pass) {
      for (bool taken = true; taken && !picker.Full();) {
        taken = false;
        for (auto stream = level; stream != end && !picker.Full(); ++stream) {
          if (picker.Open(*stream->combination) && picker.TakeNext(*stream, pass)) taken = true;
        }
      }
    }
    level = end;
  }
  return std::move(picker).Names();
}

}  // namespace velmora::services
