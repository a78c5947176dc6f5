#pragma once
// What the naming pages read from the service's tables, read once: the
// given-name characters for each sex and the company-name characters, each
// with its 康熙 strokes, first reading and radical (name_radicals); the stop
// list; the verdicts of the 81 numbers and of the three talents. The naming
// pages answer on several threads, so the lists are built at the first
// request for a set of sources and never changed afterwards. Texts are GBK.

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "services/pinyin.h"
#include "services/sources.h"
#include "services/stop_words.h"

namespace velmora::services {

// A character of the given-name list (personal_name_characters: 汉字, 性别
// 男/女/通, 字义) that the tables can count and read.
struct GivenCharacter {
  std::string character;
  int strokes = 0;
  Syllable reading;
  int radical = 0;
  std::string meaning;
  bool favoured = false;  // among the list's first rows, the characters most given in names
};

// A character of the company-name list (company_name_characters: 汉字, 五行,
// 行业 as short trade names of company_trades or 各业, 字义).
struct CompanyCharacter {
  std::string character;
  std::string element;
  int strokes = 0;
  Syllable reading;
  int radical = 0;
  std::string meaning;
  std::vector<std::string> trades;  // short names; empty for a character of every trade (各业)
};

class NamingLists {
 public:
  // Throws std::runtime_error when a table or column is missing. The pages
  // take the lists of their sources as sources.Derived<NamingLists>().
  explicit NamingLists(const Sources& sources);

  // The characters that suit the sex (its own and 通), common ones (GB2312
  // level 1) only, in list order.
  const std::vector<GivenCharacter>& Given(bool girl) const { return girl ? girls_ : boys_; }
  const std::vector<CompanyCharacter>& Company() const { return company_; }
  const StopWords& Stops() const { return stops_; }

  // The verdict of a number as the name reading looks it up (above 81, 81
  // taken off once), such as 吉 or 吉带凶; empty for a number the table lacks.
  const std::string& NumberVerdict(int number) const;
  // The verdict of a three-talents text such as 木火土; empty when unknown.
  const std::string& TalentsVerdict(const std::string& talents) const;
  // A character's reading: a surname's own (单 is shàn), else its first.
  std::optional<Syllable> SurnameReading(const std::string& surname) const;
  std::optional<Syllable> Reading(const std::string& character) const;
  // The Kangxi radical number; 0 for a character of neither list.
  int Radical(const std::string& character) const;

 private:
  const Table& pinyin_;
  const Table& surnameReadings_;
  std::vector<GivenCharacter> boys_;
  std::vector<GivenCharacter> girls_;
  std::vector<CompanyCharacter> company_;
  StopWords stops_;
  std::vector<std::string> numbers_;  // index 1..81
  std::unordered_map<std::string, std::string> talents_;
  std::unordered_map<std::string, int> radicals_;
};

}  // namespace velmora::services
