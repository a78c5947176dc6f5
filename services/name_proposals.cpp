#include "services/name_proposals.h"

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
// The list runs from the characters most given in names; those of its first
// rows are preferred among equally good names.
constexpr int kFavouredRows = 400;

struct GivenCharacter {
  std::string character;
  int strokes = 0;
  int tone = 5;
  std::string meaning;
  bool favoured = false;
};

// The list's characters for the sex that can be counted and read, apart from the surname.
std::vector<GivenCharacter> GivenCharacters(const Sources& sources, const NameRequest& request) {
  const Table& table = sources.TableNamed("personal_name_characters");
  const std::size_t sex = table.Column("性别"_gbk);
  const std::size_t meaning = table.Column("字义"_gbk);
  const std::string& own = request.girl ? "女"_gbk : "男"_gbk;
  std::vector<GivenCharacter> characters;
  int rowNumber = 0;
  for (const std::vector<std::string>& row : table.Rows()) {
    const bool favoured = rowNumber++ < kFavouredRows;
    const std::string& character = row.at(0);
    if ((row.at(sex) != own && row.at(sex) != "通"_gbk) || character == request.surname) continue;
    if (!IsCommonCharacter(character)) continue;
    const std::optional<int> strokes = sources.StrokeCount(character);
    const std::optional<int> tone = ToneOf(sources, character);
    if (strokes && tone) characters.push_back({character, *strokes, *tone, row.at(meaning), favoured});
  }
  return characters;
}

bool IsLevel(int tone) { return tone == 1 || tone == 2; }
bool IsOblique(int tone) { return tone == 3 || tone == 4; }

bool AllTheSame(const std::vector<int>& tones) {
  return tones.size() >= 2 && std::all_of(tones.begin(), tones.end(), [&](int tone) { return tone == tones.front(); });
}

// The grids of the surname's strokes and one or two given-name counts, as the
// name reading forms them for a one-character surname.
ProposedName Grids(int surname, int first, std::optional<int> second) {
  ProposedName name;
  name.heaven = surname + 1;
  name.person = surname + first;
  name.earth = second ? first + *second : first + 1;
  name.outer = second ? *second + 1 : 2;
  name.total = EightyOneNumber(surname + first + second.value_or(0));
  return name;
}

// Verdicts read once per number for the whole request.
class Verdicts {
 public:
  explicit Verdicts(const Sources& sources) : sources_(sources) {}
  const std::string& Number(int number) {
    auto found = numbers_.find(number);
    if (found == numbers_.end()) found = numbers_.emplace(number, NumberVerdict(sources_, number)).first;
    return found->second;
  }
  const std::string& Talents(const std::string& talents) {
    auto found = talents_.find(talents);
    if (found == talents_.end()) found = talents_.emplace(talents, TalentsVerdict(sources_, talents)).first;
    return found->second;
  }

 private:
  const Sources& sources_;
  std::map<int, std::string> numbers_;
  std::map<std::string, std::string> talents_;
};

// The grids filled in with their verdicts; nothing when 人格, 地格, 总格 or 三才 fall short.
std::optional<ProposedName> GoodGrids(ProposedName name, Verdicts& verdicts) {
  const std::string& good = "吉"_gbk;
  if (verdicts.Number(name.person) != good || verdicts.Number(name.earth) != good ||
      verdicts.Number(name.total) != good) {
    return std::nullopt;
  }
  name.talents = ElementOfNumber(name.heaven) + ElementOfNumber(name.person) + ElementOfNumber(name.earth);
  name.talentsVerdict = verdicts.Talents(name.talents);
  if (name.talentsVerdict != good && name.talentsVerdict != "大吉"_gbk) return std::nullopt;
  name.outerVerdict = verdicts.Number(name.outer);
  return name;
}

struct Candidate {
  int score = 0;
  bool favoured = false;
  std::uint64_t order = 0;
  const ProposedName* grids = nullptr;
  std::vector<const GivenCharacter*> given;
};

}  // namespace

int NameScore(const ProposedName& name, const std::vector<int>& tones) {
  int score = 60 + 3 * 8;
  if (name.outerVerdict == "吉"_gbk) {
    score += 6;
  } else if (name.outerVerdict == "半吉"_gbk || name.outerVerdict == "中吉"_gbk || name.outerVerdict == "吉带凶"_gbk) {
    score += 3;
  }
  score += name.talentsVerdict == "大吉"_gbk ? 6 : 3;
  if (std::any_of(tones.begin(), tones.end(), IsLevel) && std::any_of(tones.begin(), tones.end(), IsOblique)) score += 4;
  return score;
}

std::vector<ProposedName> ProposeNames(const Sources& sources, const NameRequest& request) {
  const std::optional<int> surnameStrokes = sources.StrokeCount(request.surname);
  if (!surnameStrokes) return {};
  const std::optional<int> surnameTone = ToneOf(sources, request.surname);
  const std::vector<GivenCharacter> characters = GivenCharacters(sources, request);
  std::map<int, std::vector<const GivenCharacter*>> byStrokes;
  for (const GivenCharacter& character : characters) byStrokes[character.strokes].push_back(&character);

  Verdicts verdicts(sources);
  std::vector<ProposedName> goodGrids;  // one per stroke combination that passes
  std::vector<std::vector<int>> combinations;
  const bool twoGiven = request.length == 3;
  for (const auto& [first, firstGroup] : byStrokes) {
    for (const auto& [second, secondGroup] : byStrokes) {
      const std::optional<int> secondCount = twoGiven ? std::optional<int>(second) : std::nullopt;
      if (std::optional<ProposedName> grids = GoodGrids(Grids(*surnameStrokes, first, secondCount), verdicts)) {
        goodGrids.push_back(std::move(*grids));
        combinations.push_back(twoGiven ? std::vector<int>{first, second} : std::vector<int>{first});
      }
      if (!twoGiven) break;
    }
  }

  std::vector<Candidate> candidates;
  for (std::size_t g = 0; g < goodGrids.size(); ++g) {
    const std::vector<const GivenCharacter*>& firsts = byStrokes[combinations[g][0]];
    const std::vector<const GivenCharacter*> seconds =
        twoGiven ? byStrokes[combinations[g][1]] : std::vector<const GivenCharacter*>{nullptr};
    for (const GivenCharacter* a : firsts) {
      for (const GivenCharacter* b : seconds) {
        if (a == b) continue;
        std::vector<int> tones;
        if (surnameTone) tones.push_back(*surnameTone);
        tones.push_back(a->tone);
        if (b) tones.push_back(b->tone);
        if (AllTheSame(tones)) continue;
        Candidate candidate{NameScore(goodGrids[g], tones), a->favoured && (!b || b->favoured), 0, &goodGrids[g], {a}};
        if (b) candidate.given.push_back(b);
        candidate.order = ProposalOrder(request.surname + a->character + (b ? b->character : std::string()));
        candidates.push_back(std::move(candidate));
      }
    }
  }
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& x, const Candidate& y) {
    if (x.score != y.score) return x.score > y.score;
    if (x.favoured != y.favoured) return x.favoured;
    return x.order < y.order;
  });

  std::vector<ProposedName> names;
  std::map<const GivenCharacter*, int> uses;
  for (const Candidate& candidate : candidates) {
    if (static_cast<int>(names.size()) == kNameProposals) break;
    if (std::any_of(candidate.given.begin(), candidate.given.end(),
                    [&](const GivenCharacter* c) { return uses[c] >= kMaxUsesOfCharacter; })) {
      continue;
    }
    ProposedName name = *candidate.grids;
    name.score = candidate.score;
    name.name = request.surname;
    for (const GivenCharacter* c : candidate.given) {
      ++uses[c];
      name.name += c->character;
      if (!name.meaning.empty()) name.meaning += "；"_gbk;
      name.meaning += c->character + "："_gbk + c->meaning;
    }
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace velmora::services
