#include "services/name_verdicts.h"

#include "calendar/four_pillars.h"
#include "readings/element_cycle.h"
#include "readings/name_numerology.h"
#include "services/pinyin.h"
#include "text/gbk.h"

namespace velmora::services {
namespace {

constexpr int kNumbers = 81;

// The table's text of a number, or nothing.
const std::string* NumberText(const Sources& sources, int number) {
  const Table& table = sources.TableNamed("八十一划");
  const std::vector<std::string>* row = table.Find(std::to_string(EightyOneNumber(number)));
  return row ? &row->at(table.Column("内容"_gbk)) : nullptr;
}

// The text inside the last full-width brackets that end the text.
std::string BracketedEnd(const std::string& gbk) {
  const std::string& open = "（"_gbk;
  const std::string& close = "）"_gbk;
  if (gbk.size() < close.size() || gbk.compare(gbk.size() - close.size(), close.size(), close) != 0) return {};
  std::size_t lastOpen = std::string::npos;
  for (std::size_t i = 0; i < gbk.size(); i += static_cast<unsigned char>(gbk[i]) >= 0x81 ? 2 : 1) {
    if (gbk.compare(i, open.size(), open) == 0) lastOpen = i;
  }
  if (lastOpen == std::string::npos) return {};
  const std::size_t from = lastOpen + open.size();
  return gbk.substr(from, gbk.size() - close.size() - from);
}

}  // namespace

int EightyOneNumber(int number) { return number > kNumbers ? number - kNumbers : number; }

std::string NumberVerdict(const Sources& sources, int number) {
  const std::string* text = NumberText(sources, number);
  return text ? BracketedEnd(*text) : std::string();
}

std::string NumberMotto(const Sources& sources, int number) {
  const std::string* text = NumberText(sources, number);
  if (!text) return {};
  const std::string& stop = "。"_gbk;
  for (std::size_t i = 0; i < text->size(); i += static_cast<unsigned char>((*text)[i]) >= 0x81 ? 2 : 1) {
    if (text->compare(i, stop.size(), stop) == 0) return text->substr(0, i);
  }
  return *text;
}

std::string TalentsVerdict(const Sources& sources, const std::string& talents) {
  const Table& table = sources.TableNamed("三才吉凶");
  const std::vector<std::string>* row = table.Find(talents);
  return row ? BracketedEnd(row->at(table.Column("吉凶"_gbk))) : std::string();
}

std::string ElementOfNumber(int number) { return ElementOfDigit(static_cast<char>('0' + number % 10)); }

std::string ElementBornOf(const std::string& element) {
  for (const Element each : {Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth}) {
    if (ElementName(each) == element) return ElementName(ElementInRelation(each, ElementRelation::Output));
  }
  return {};
}

std::optional<int> ToneOf(const Sources& sources, const std::string& character) {
  const Table& table = sources.TableNamed("pinyin");
  const std::vector<std::string>* row = table.Find(character);
  if (!row) return std::nullopt;
  const std::optional<Syllable> syllable = ParseSyllable(row->at(1));
  return syllable ? syllable->tone : 5;
}

bool IsCommonCharacter(const std::string& character) {
  if (character.size() != 2) return false;
  const auto lead = static_cast<unsigned char>(character[0]);
  const auto trail = static_cast<unsigned char>(character[1]);
  // Rows 16..55; row 55 ends at its 89th position.
  return lead >= 0xB0 && lead <= 0xD7 && trail >= 0xA1 && trail <= (lead == 0xD7 ? 0xF9 : 0xFE);
}

}  // namespace velmora::services
