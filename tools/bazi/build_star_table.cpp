// build_star_table STARS_TSV OUTPUT_CPP: checks the reviewed 神煞 rules of
// data/bazi/stars.tsv and writes them as the constant table of
// readings/star_rules.h. A rule that names an unknown stem, branch or pillar,
// leaves a key out or names one twice fails the build with its row.

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "readings/star_rules.h"
#include "text/gbk.h"
#include "tools/refdb/tsv.h"
#include "tools/tool_main.h"

namespace velmora::tools {
namespace {

std::vector<std::string> Characters(const std::string& gbk) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < gbk.size(); i += 2) characters.push_back(gbk.substr(i, 2));
  return characters;
}

std::vector<std::string> Words(const std::string& text, char separator) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; std::getline(in, word, separator);) {
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

int IndexIn(const std::string& character, int count, const std::string& (*name)(int)) {
  for (int i = 0; i < count; ++i) {
    if (name(i) == character) return i;
  }
  return -1;
}

int Stem(const std::string& c) { return IndexIn(c, 10, HeavenlyStem); }
int Branch(const std::string& c) { return IndexIn(c, 12, EarthlyBranch); }

int CycleIndexOf(const std::string& pillar) {
  const std::vector<std::string> pair = Characters(pillar);
  const int stem = pair.size() == 2 ? Stem(pair[0]) : -1, branch = pair.size() == 2 ? Branch(pair[1]) : -1;
  if (stem < 0 || branch < 0 || stem % 2 != branch % 2) return -1;
  return Pillar{stem, branch}.CycleIndex();
}

StarBasis BasisOf(const std::string& word) {
  static const std::map<std::string, StarBasis> bases = {{"日干", StarBasis::DayStem},    {"年干", StarBasis::YearStem},
                                                         {"年支", StarBasis::YearBranch}, {"日支", StarBasis::DayBranch},
                                                         {"月支", StarBasis::MonthBranch}, {"无", StarBasis::None}};
  const auto found = bases.find(word);
  if (found == bases.end()) throw std::runtime_error("起法 " + word + " is none of 日干 年干 年支 日支 月支 无");
  return found->second;
}

StarTarget TargetOf(const std::string& word) {
  static const std::map<std::string, StarTarget> targets = {{"地支", StarTarget::Branch},
                                                            {"天干", StarTarget::Stem},
                                                            {"干支", StarTarget::StemOrBranch},
                                                            {"日柱", StarTarget::DayPillar},
                                                            {"日柱、时柱", StarTarget::DayOrHourPillar}};
  const auto found = targets.find(word);
  if (found == targets.end()) throw std::runtime_error("查 " + word + " is none of 地支 天干 干支 日柱 日柱、时柱");
  return found->second;
}

bool IsStemBasis(StarBasis basis) { return basis == StarBasis::DayStem || basis == StarBasis::YearStem; }

// The bits a value of the 对照 stands for (GBK).
std::uint64_t HitsOf(const std::string& values, StarTarget target) {
  std::uint64_t hits = 0;
  auto set = [&hits, &values](int bit) {
    if (bit < 0) throw std::runtime_error("对照 value " + GbkToUtf8(values) + " names no stem, branch or pillar it may");
    hits |= std::uint64_t{1} << bit;
  };
  if (target == StarTarget::DayPillar || target == StarTarget::DayOrHourPillar) {
    for (const std::string& pillar : Words(values, ' ')) set(CycleIndexOf(pillar));
    return hits;
  }
  for (const std::string& c : Characters(values)) {
    const int stem = Stem(c), branch = Branch(c);
    if (target == StarTarget::Stem) set(stem);
    if (target == StarTarget::Branch) set(branch);
    if (target == StarTarget::StemOrBranch) set(stem >= 0 ? stem : branch < 0 ? -1 : kStarBranchBit + branch);
  }
  return hits;
}

StarRule RuleOf(const std::vector<std::string>& row) {
  StarRule rule;
  const std::string& nature = row[1];
  if (nature == "吉") rule.nature = StarNature::Good;
  else if (nature == "凶") rule.nature = StarNature::Bad;
  else if (nature == "中") rule.nature = StarNature::Mixed;
  else throw std::runtime_error("吉凶 " + nature + " is none of 吉 凶 中");
  std::vector<std::string> basisWords;
  for (std::size_t at = 0, next; at <= row[2].size(); at = next + 3) {  // "、" is three UTF-8 bytes
    next = row[2].find("、", at);
    if (next == std::string::npos) next = row[2].size();
    basisWords.push_back(row[2].substr(at, next - at));
  }
  if (basisWords.size() > 2) throw std::runtime_error("起法 names more than two bases");
  for (std::size_t i = 0; i < basisWords.size(); ++i) rule.bases[i] = BasisOf(basisWords[i]);
  const bool stemKeys = IsStemBasis(rule.bases[0]);
  if (basisWords.size() == 2 && (IsStemBasis(rule.bases[1]) != stemKeys || rule.bases[1] == StarBasis::None)) {
    throw std::runtime_error("起法 joins a stem and a branch");
  }
  rule.target = TargetOf(row[3]);
  const std::string mapping = Utf8ToGbk(row[4]);
  if (rule.bases[0] == StarBasis::None) {
    if (rule.target != StarTarget::DayPillar && rule.target != StarTarget::DayOrHourPillar) {
      throw std::runtime_error("起法 无 looks at whole pillars only");
    }
    rule.hits[0] = HitsOf(mapping, rule.target);
    return rule;
  }
  const int keyCount = stemKeys ? 10 : 12;
  std::vector<bool> seen(static_cast<std::size_t>(keyCount));
  for (const std::string& group : Words(mapping, ' ')) {
    const std::size_t equals = group.find('=');
    if (equals == std::string::npos) throw std::runtime_error("对照 group " + GbkToUtf8(group) + " has no =");
    for (const std::string& key : Characters(group.substr(0, equals))) {
      const int k = stemKeys ? Stem(key) : Branch(key);
      if (k < 0 || seen[static_cast<std::size_t>(k)]) {
        throw std::runtime_error("对照 key " + GbkToUtf8(key) + " is unknown or named twice");
      }
      seen[static_cast<std::size_t>(k)] = true;
      rule.hits[static_cast<std::size_t>(k)] = HitsOf(group.substr(equals + 1), rule.target);
    }
  }
  for (int k = 0; k < keyCount; ++k) {
    if (!seen[static_cast<std::size_t>(k)]) {
      throw std::runtime_error("对照 leaves out " + GbkToUtf8(stemKeys ? HeavenlyStem(k) : EarthlyBranch(k)));
    }
  }
  return rule;
}

// A GBK text as a C++ literal of escaped bytes.
std::string Literal(const std::string& gbk) {
  std::string text = "\"";
  for (const unsigned char c : gbk) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
    text += escaped;
  }
  return text + "\"";
}

const char* EnumName(StarBasis basis) {
  static const char* const names[] = {"DayStem", "YearStem", "YearBranch", "DayBranch", "MonthBranch", "None"};
  return names[static_cast<int>(basis)];
}

const char* EnumName(StarTarget target) {
  static const char* const names[] = {"Branch", "Stem", "StemOrBranch", "DayPillar", "DayOrHourPillar"};
  return names[static_cast<int>(target)];
}

const char* EnumName(StarNature nature) {
  static const char* const names[] = {"Good", "Bad", "Mixed"};
  return names[static_cast<int>(nature)];
}

void Build(const std::vector<std::string>& args) {
  const TsvTable table = ReadTsv(args[0]);
  const std::vector<std::string> columns = {"神煞", "吉凶", "起法", "查", "对照", "出处"};
  if (table.columns != columns) throw std::runtime_error(args[0] + ": the columns are not 神煞 吉凶 起法 查 对照 出处");
  std::ostringstream out;
  out << "// Generated by tools/bazi/build_star_table from data/bazi/stars.tsv; edit that table instead.\n"
      << "#include \"readings/star_rules.h\"\n\nnamespace velmora {\nnamespace {\n\n"
      << "constexpr StarRule kRules[] = {\n";
  std::map<std::string, int> names;
  for (const std::vector<std::string>& row : table.rows) {
    try {
      if (row[0].empty() || row[5].empty()) throw std::runtime_error("the name and the source may not be empty");
      if (names[row[0]]++) throw std::runtime_error("the star is named twice");
      const StarRule rule = RuleOf(row);
      out << "    {" << Literal(Utf8ToGbk(row[0])) << ", " << Literal(Utf8ToGbk(row[5])) << ", StarNature::"
          << EnumName(rule.nature) << ", {StarBasis::" << EnumName(rule.bases[0]) << ", StarBasis::"
          << EnumName(rule.bases[1]) << "}, StarTarget::" << EnumName(rule.target) << ", {";
      for (std::size_t k = 0; k < rule.hits.size(); ++k) out << (k ? ", " : "") << rule.hits[k] << "u";
      out << "}},\n";
    } catch (const std::runtime_error& error) {
      throw std::runtime_error(args[0] + ": " + row[0] + ": " + error.what());
    }
  }
  out << "};\n\n}  // namespace\n\nstd::span<const StarRule> StarRules() { return kRules; }\n\n}  // namespace velmora\n";
  std::ofstream file(args[1], std::ios::binary);
  file << out.str();
  if (!file.flush()) throw std::runtime_error("cannot write " + args[1]);
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_star_table", "STARS_TSV OUTPUT_CPP", velmora::tools::Build);
}
