#include "services/name_chart.h"

#include <array>
#include <sstream>

#include "services/name_verdicts.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora::services {
namespace {

constexpr const char* kSurnameReadings = "surname_readings";
constexpr const char* kPinyin = "pinyin";
constexpr const char* kTraditional = "hz";

// The elements' lists of name characters chosen for their meaning.
constexpr const char* kElementCharacters = "五行";

// The reading a surname gives each of its characters (单 is shàn as a
// surname), else each character's first reading; tone-marked GBK, empty
// where there is none.
std::vector<std::string> Readings(const std::vector<std::string>& characters, int surnameLength,
                                  const Sources& sources) {
  const Table& pinyin = sources.TableNamed(kPinyin);
  std::vector<std::string> readings;
  for (const std::string& character : characters) {
    const std::vector<std::string>* row = pinyin.Find(character);
    readings.push_back(row ? row->at(1) : std::string());
  }
  std::string surname;
  for (int i = 0; i < surnameLength && i < static_cast<int>(characters.size()); ++i) surname += characters[i];
  if (const std::vector<std::string>* own = sources.TableNamed(kSurnameReadings).Find(surname)) {
    std::istringstream syllables(own->at(1));
    std::string syllable;
    for (int i = 0; i < surnameLength && syllables >> syllable; ++i) readings[static_cast<std::size_t>(i)] = syllable;
  }
  return readings;
}

void SetElement(NameCharacter& character, const Sources& sources) {
  if (character.text.size() == 2) {
    for (const std::vector<std::string>& row : sources.TableNamed(kElementCharacters).Rows()) {
      if (FindGbk(row.at(2), character.text) != std::string::npos) {
        character.element = row.at(0);
        character.elementByMeaning = true;
        return;
      }
    }
  }
  if (character.strokes) character.element = ElementOfNumber(*character.strokes);
}

GridVerdict Verdict(const char* utf8Name, const std::optional<int>& number, const Sources& sources) {
  GridVerdict verdict;
  verdict.name = Utf8ToGbk(utf8Name);
  verdict.number = number;
  if (!number) return verdict;
  verdict.eightyOne = EightyOneNumber(*number);
  verdict.element = ElementOfNumber(*number);
  verdict.verdictClass = NumberVerdict(sources, *number);
  verdict.summary = NumberMotto(sources, *number);
  const Table& numbers = sources.TableNamed("八十一划");
  if (const std::vector<std::string>* row = numbers.Find(std::to_string(verdict.eightyOne))) {
    verdict.text = row->at(numbers.Column("内容"_gbk));
  }
  return verdict;
}

}  // namespace

std::vector<std::string> SplitCharacters(const std::string& gbk) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < gbk.size();) {
    const std::size_t length = IsGbkLeadByte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size() ? 2 : 1;
    characters.push_back(gbk.substr(i, length));
    i += length;
  }
  return characters;
}

CharacterUse UseOf(const std::string& c) {
  if (c.size() != 2) return CharacterUse::NoIdeograph;
  if (IsCommonCharacter(c)) return CharacterUse::Common;
  const auto lead = static_cast<unsigned char>(c[0]), trail = static_cast<unsigned char>(c[1]);
  if (lead >= 0xD8 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE) return CharacterUse::LessCommon;
  return CharacterUse::Rare;
}

bool NameChart::Complete() const { return !Problem(); }

std::optional<std::string> NameChart::Problem() const {
  if (characters.empty()) return "没有输入姓名。"_gbk;
  for (const NameCharacter& character : characters) {
    if (!character.strokes) return "“"_gbk + character.text + "”不是能计算笔画的汉字，排不出五格。"_gbk;
  }
  if (static_cast<int>(characters.size()) <= surnameLength) return "只有姓而没有名，排不出五格。"_gbk;
  for (const GridVerdict& grid : grids) {
    if (!grid.number) return "五格只排单姓配一至三字名、复姓配一至二字名的姓名。"_gbk;
  }
  return std::nullopt;
}

NameChart ChartName(const std::string& surname, const std::string& givenName, const Sources& sources) {
  NameChart chart;
  chart.name = surname + givenName;
  const std::vector<std::string> texts = SplitCharacters(chart.name);
  chart.surnameLength = static_cast<int>(SplitCharacters(surname).size());
  const std::vector<std::string> readings = Readings(texts, chart.surnameLength, sources);
  const Table& traditional = sources.TableNamed(kTraditional);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    NameCharacter character;
    character.text = texts[i];
    if (const std::vector<std::string>* row = traditional.Find(texts[i])) character.traditional = row->at(1);
    if (texts[i].size() == 2) character.strokes = sources.StrokeCount(texts[i]);
    character.reading = ParseSyllable(readings[i]);
    if (character.reading) character.readingText = readings[i];
    character.use = UseOf(texts[i]);
    SetElement(character, sources);
    chart.characters.push_back(std::move(character));
  }

  std::array<std::optional<int>, 4> strokes;
  for (std::size_t i = 0; i < strokes.size() && i < chart.characters.size(); ++i) strokes[i] = chart.characters[i].strokes;
  // The grid rules count two bytes a character, and know no name of more than four.
  const int length = chart.characters.size() <= 4 ? static_cast<int>(chart.characters.size()) * 2 : 0;
  const bool compound = chart.surnameLength == 2;
  const FiveGrids grids = chart.surnameLength == 1 || compound ? GridsOf(strokes, length, compound) : FiveGrids{};
  chart.fixedOuter = chart.surnameLength == 1 && length == 4;
  chart.grids = {Verdict("天格", grids.heaven, sources), Verdict("人格", grids.person, sources),
                 Verdict("地格", grids.earth, sources), Verdict("外格", grids.outer, sources),
                 Verdict("总格", grids.total, sources)};
  if (grids.heaven && grids.person && grids.earth) {
    chart.threeTalents = chart.grids[0].element + chart.grids[1].element + chart.grids[2].element;
    const Table& talents = sources.TableNamed("三才吉凶");
    if (talents.Find(chart.threeTalents)) chart.talentText = talents.Text(chart.threeTalents, "吉凶"_gbk);
    chart.talentClass = TalentsVerdict(sources, chart.threeTalents);
  }
  return chart;
}

NameChart ChartFullName(const std::string& name, const Sources& sources) {
  const std::vector<std::string> characters = SplitCharacters(name);
  const std::string firstTwo = characters.size() >= 2 ? characters[0] + characters[1] : std::string();
  const bool compound = firstTwo.size() == 4 && sources.TableNamed(kSurnameReadings).Find(firstTwo) != nullptr;
  const std::size_t surnameBytes = compound ? 4 : characters.empty() ? 0 : characters[0].size();
  return ChartName(name.substr(0, surnameBytes), name.substr(surnameBytes), sources);
}

}  // namespace velmora::services
