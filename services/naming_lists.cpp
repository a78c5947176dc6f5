#include "services/naming_lists.h"


#include "services/name_verdicts.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

// The given-name list runs from the characters most given in names; those of
// its first rows are preferred among equally good names.
constexpr int kFavouredRows = 400;
constexpr int kNumbers = 81;

std::vector<std::string> Trades(const std::string& listed) {
  if (listed == "各业"_gbk) return {};
  std::vector<std::string> trades;
  const std::string& separator = "、"_gbk;
  for (std::size_t from = 0;;) {
    const std::size_t end = listed.find(separator, from);
    trades.push_back(listed.substr(from, end == std::string::npos ? std::string::npos : end - from));
    if (end == std::string::npos) return trades;
    from = end + separator.size();
  }
}

}  // namespace

NamingLists::NamingLists(const Sources& sources)
    : pinyin_(sources.TableNamed("pinyin")),
      surnameReadings_(sources.TableNamed("surname_readings")),
      stops_(sources.TableNamed("naming_stop_words")), numbers_(kNumbers + 1) {
  for (const std::vector<std::string>& row : sources.TableNamed("name_radicals").Rows()) {
    radicals_.emplace(row.at(0), std::stoi(row.at(1)));
  }
  const Table& given = sources.TableNamed("personal_name_characters");
  const std::size_t sex = given.Column("性别"_gbk);
  const std::size_t meaning = given.Column("字义"_gbk);
  int rowNumber = 0;
  for (const std::vector<std::string>& row : given.Rows()) {
    const bool favoured = rowNumber++ < kFavouredRows;
    const std::string& character = row.at(0);
    const std::optional<int> strokes = sources.StrokeCount(character);
    const std::optional<Syllable> reading = Reading(character);
    if (!IsCommonCharacter(character) || !strokes || !reading) continue;
    const GivenCharacter entry{character, *strokes, *reading, Radical(character), row.at(meaning), favoured};
    if (row.at(sex) != "女"_gbk) boys_.push_back(entry);
    if (row.at(sex) != "男"_gbk) girls_.push_back(entry);
  }
  const Table& company = sources.TableNamed("company_name_characters");
  const std::size_t element = company.Column("五行"_gbk);
  const std::size_t trades = company.Column("行业"_gbk);
  const std::size_t companyMeaning = company.Column("字义"_gbk);
  for (const std::vector<std::string>& row : company.Rows()) {
    const std::optional<int> strokes = sources.StrokeCount(row.at(0));
    const std::optional<Syllable> reading = Reading(row.at(0));
    if (!strokes || !reading) continue;
    company_.push_back({row.at(0), row.at(element), *strokes, *reading, Radical(row.at(0)), row.at(companyMeaning),
                        Trades(row.at(trades))});
  }
  for (int number = 1; number <= kNumbers; ++number) numbers_[number] = services::NumberVerdict(sources, number);
  const Table& talents = sources.TableNamed("三才吉凶");
  for (const std::vector<std::string>& row : talents.Rows()) {
    talents_.emplace(row.at(0), services::TalentsVerdict(sources, row.at(0)));
  }
}

const std::string& NamingLists::NumberVerdict(int number) const {
  static const std::string kNone;
  const int looked = EightyOneNumber(number);
  return looked >= 1 && looked <= kNumbers ? numbers_[static_cast<std::size_t>(looked)] : kNone;
}

const std::string& NamingLists::TalentsVerdict(const std::string& talents) const {
  static const std::string kNone;
  const auto found = talents_.find(talents);
  return found == talents_.end() ? kNone : found->second;
}

std::optional<Syllable> NamingLists::SurnameReading(const std::string& surname) const {
  if (const std::vector<std::string>* own = surnameReadings_.Find(surname)) {
    if (const std::optional<Syllable> reading = ParseSyllable(own->at(1).substr(0, own->at(1).find(' '))))
      return reading;
  }
  return Reading(surname);
}

std::optional<Syllable> NamingLists::Reading(const std::string& character) const {
  const std::vector<std::string>* row = pinyin_.Find(character);
  return row ? ParseSyllable(row->at(1)) : std::nullopt;
}

int NamingLists::Radical(const std::string& character) const {
  const auto found = radicals_.find(character);
  return found == radicals_.end() ? 0 : found->second;
}

}  // namespace velmora::services
