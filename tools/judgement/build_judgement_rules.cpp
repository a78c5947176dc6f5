// Turns the reviewed rules of the 八字 judgement into C++ compiled into the
// readings library (readings/judgement_rules.h):
//   build_judgement_rules SOURCE_FOLDER OUTPUT_FILE
// reads SOURCE_FOLDER/climate.tsv (调候: every day stem × month once),
// patterns.tsv (every 格 once) and useful_gods.tsv (every kind of chart once,
// each of the five relations in exactly one role) and writes OUTPUT_FILE with
// their texts in GBK. A name it does not know, a missing or doubled row, or a
// text GBK cannot hold stops the build with the file and row.

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/gbk.h"
#include "text/utf8.h"
#include "tools/refdb/tsv.h"
#include "tools/tool_main.h"

namespace velmora::tools {
namespace {

using Names = std::vector<std::pair<std::string, std::string>>;  // UTF-8 name, C++ enumerator

const Names kElements = {{"金", "Element::Metal"}, {"木", "Element::Wood"}, {"水", "Element::Water"},
                         {"火", "Element::Fire"}, {"土", "Element::Earth"}};
const Names kRelations = {{"比劫", "ElementRelation::Same"},     {"食伤", "ElementRelation::Output"},
                          {"财星", "ElementRelation::Wealth"},   {"官杀", "ElementRelation::Officer"},
                          {"印星", "ElementRelation::Resource"}};
const Names kTenGods = {{"比肩", "TenGod::Companion"},       {"劫财", "TenGod::RobWealth"},
                        {"食神", "TenGod::EatingGod"},       {"伤官", "TenGod::HurtingOfficer"},
                        {"偏财", "TenGod::IndirectWealth"},  {"正财", "TenGod::DirectWealth"},
                        {"七杀", "TenGod::SevenKillings"},   {"正官", "TenGod::DirectOfficer"},
                        {"偏印", "TenGod::IndirectResource"}, {"正印", "TenGod::DirectResource"}};
// In the order of PatternKind.
const Names kPatterns = {
    {"正官格", "DirectOfficer"}, {"七杀格", "SevenKillings"},   {"正财格", "DirectWealth"},
    {"偏财格", "IndirectWealth"}, {"正印格", "DirectResource"}, {"偏印格", "IndirectResource"},
    {"食神格", "EatingGod"},     {"伤官格", "HurtingOfficer"},  {"建禄格", "Prosperity"},
    {"月刃格", "MonthBlade"},    {"月劫格", "MonthRob"},        {"曲直格", "DominantWood"},
    {"炎上格", "DominantFire"},  {"稼穑格", "DominantEarth"},   {"从革格", "DominantMetal"},
    {"润下格", "DominantWater"}, {"从财格", "FollowWealth"},    {"从杀格", "FollowKillings"},
    {"从儿格", "FollowOutput"},  {"从势格", "FollowPower"},     {"从强格", "FollowStrong"}};
const Names kMethods = {{"月令十神", "MonthGod"}, {"建禄", "Prosperity"}, {"月刃", "Blade"},
                        {"月劫", "MonthRob"},     {"专旺", "Dominant"},   {"从弱", "FollowWeak"},
                        {"从强", "FollowStrong"}};
// In the order of GodCase.
const Names kGodCases = {{"身弱官杀重", "WeakOfficer"},
                         {"身弱食伤重", "WeakOutput"},
                         {"身弱财星重", "WeakWealth"},
                         {"身强印星重", "StrongResource"},
                         {"身强比劫重有官杀", "StrongCompanionOfficer"},
                         {"身强比劫重无官杀", "StrongCompanionOutput"},
                         {"从财格", "FollowWealth"},
                         {"从杀格", "FollowKillings"},
                         {"从儿格", "FollowOutput"},
                         {"从势格", "FollowPower"},
                         {"从强格", "FollowStrong"},
                         {"专旺", "Dominant"}};
const Names kRoles = {{"用神", "GodRole::Useful"}, {"喜神", "GodRole::Favourable"},
                      {"忌神", "GodRole::Unfavourable"}, {"闲神", "GodRole::Idle"}};
const std::string kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const std::string kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// Where a row stands, for the messages.
struct Row {
  std::string file;
  std::size_t index;
  const std::vector<std::string>& fields;
  std::string Where() const { return file + " row " + std::to_string(index + 1); }
};

std::size_t IndexOf(const Names& names, const std::string& name, const Row& row) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].first == name) return i;
  }
  throw std::runtime_error(row.Where() + ": unknown name \"" + name + "\"");
}

template <std::size_t N>
int IndexIn(const std::string (&names)[N], const std::string& name, const Row& row) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  throw std::runtime_error(row.Where() + ": unknown name \"" + name + "\"");
}

// The characters of a UTF-8 text, one string each.
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> characters;
  for (const char32_t c : DecodeUtf8(text)) characters.push_back(EncodeUtf8(c));
  return characters;
}

// Names separated by 、, or none for "-".
std::vector<std::string> List(const std::string& field) {
  std::vector<std::string> names;
  if (field == "-") return names;
  const std::string separator = "、";
  std::size_t from = 0;
  for (std::size_t at; (at = field.find(separator, from)) != std::string::npos; from = at + separator.size()) {
    names.push_back(field.substr(from, at - from));
  }
  names.push_back(field.substr(from));
  return names;
}

// A GBK C++ string literal of a UTF-8 text, every byte past ASCII as a
// three-digit octal escape (so no following character can join it).
std::string Literal(const std::string& utf8, const Row& row) {
  const std::string gbk = Utf8ToGbk(utf8);
  if (std::count(gbk.begin(), gbk.end(), '?') != std::count(utf8.begin(), utf8.end(), '?')) {
    throw std::runtime_error(row.Where() + ": a character GBK cannot hold in \"" + utf8 + "\"");
  }
  std::string out = "\"";
  for (const unsigned char c : gbk) {
    if (c >= 0x80) {
      const char digits[] = {'\\', static_cast<char>('0' + (c >> 6)), static_cast<char>('0' + ((c >> 3) & 7)),
                             static_cast<char>('0' + (c & 7)), '\0'};
      out += digits;
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

TsvTable Read(const std::string& folder, const std::string& file, std::size_t columns) {
  TsvTable table = ReadTsv(folder + "/" + file);
  if (table.columns.size() != columns) {
    throw std::runtime_error(file + ": expected " + std::to_string(columns) + " columns");
  }
  return table;
}

std::string ClimateRules(const std::string& folder) {
  const std::string file = "climate.tsv";
  const TsvTable table = Read(folder, file, 4);
  std::vector<std::string> cells(120);
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const Row row{file, r, table.rows[r]};
    const int stem = IndexIn(kStems, row.fields[0], row);
    const int branch = IndexIn(kBranches, row.fields[1], row);
    std::string& cell = cells[static_cast<std::size_t>(stem * 12 + branch)];
    if (!cell.empty()) throw std::runtime_error(row.Where() + ": " + row.fields[0] + row.fields[1] + " given twice");
    const std::vector<std::string> stems = Characters(row.fields[2]);
    if (stems.empty() || stems.size() > 5) throw std::runtime_error(row.Where() + ": one to five stems");
    std::string list;
    for (const std::string& each : stems) list += (list.empty() ? "" : ", ") + std::to_string(IndexIn(kStems, each, row));
    cell = "    {{" + list + "}, " + std::to_string(stems.size()) + ", " + Literal(row.fields[3], row) + "},  // " +
           row.fields[0] + row.fields[1] + "\n";
  }
  std::string out = "const ClimateRule kClimateRules[120] = {\n";
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i].empty()) {
      throw std::runtime_error(file + ": no row for " + kStems[i / 12] + kBranches[i % 12]);
    }
    out += cells[i];
  }
  return out + "};\n";
}

// A table whose first column names each of `names` once: the C++ array
// `declaration`, in the order of `names`, of what `entry` writes for each row.
std::string KeyedRows(const std::string& folder, const std::string& file, std::size_t columns, const Names& names,
                      const std::string& declaration,
                      const std::function<std::string(const Row&, std::size_t)>& entry) {
  const TsvTable table = Read(folder, file, columns);
  std::vector<std::string> entries(names.size());
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const Row row{file, r, table.rows[r]};
    const std::size_t kind = IndexOf(names, row.fields[0], row);
    if (!entries[kind].empty()) throw std::runtime_error(row.Where() + ": " + row.fields[0] + " given twice");
    entries[kind] = entry(row, kind);
  }
  std::string out = declaration + "[" + std::to_string(names.size()) + "] = {\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].empty()) throw std::runtime_error(file + ": no row for " + names[i].first);
    out += entries[i];
  }
  return out + "};\n";
}

std::string PatternEntry(const Row& row, std::size_t kind) {
  const std::string method = kMethods[IndexOf(kMethods, row.fields[1], row)].second;
  const std::string& need = row.fields[2];
  std::string monthGod = "std::nullopt", element = "std::nullopt", feared = "std::nullopt", followed = "std::nullopt";
  std::string months = "{}";
  if (method == "MonthGod") {
    monthGod = kTenGods[IndexOf(kTenGods, need, row)].second;
  } else if (method == "Dominant") {
    element = kElements[IndexOf(kElements, need, row)].second;
    feared = kElements[IndexOf(kElements, row.fields[4], row)].second;
    std::array<bool, 12> in{};
    for (const std::string& branch : Characters(row.fields[3])) {
      in[static_cast<std::size_t>(IndexIn(kBranches, branch, row))] = true;
    }
    months = "{";
    for (std::size_t b = 0; b < 12; ++b) months += std::string(b ? ", " : "") + (in[b] ? "true" : "false");
    months += "}";
  } else if (method == "FollowWeak" && need != "势") {
    followed = kRelations[IndexOf(kRelations, need, row)].second;
  }
  return "    {PatternKind::" + kPatterns[kind].second + ", PatternMethod::" + method + ", " + monthGod + ", " +
         element + ", " + months + ", " + feared + ", " + followed + ",\n     " + Literal(row.fields[0], row) + ", " +
         Literal(row.fields[5], row) + ", " + Literal(row.fields[6], row) + "},\n";
}

std::string GodCaseEntry(const Row& row, std::size_t kind) {
  std::array<std::string, 5> roleOf;
  for (std::size_t role = 0; role < kRoles.size(); ++role) {
    const std::vector<std::string> names = List(row.fields[1 + role]);
    if (role == 0 && names.size() != 1) throw std::runtime_error(row.Where() + ": one 用神");
    for (const std::string& name : names) {
      std::string& slot = roleOf[IndexOf(kRelations, name, row)];
      if (!slot.empty()) throw std::runtime_error(row.Where() + ": " + name + " has two roles");
      slot = kRoles[role].second;
    }
  }
  std::string roles;
  for (std::size_t i = 0; i < roleOf.size(); ++i) {
    if (roleOf[i].empty()) throw std::runtime_error(row.Where() + ": " + kRelations[i].first + " has no role");
    roles += (i ? ", " : "") + roleOf[i];
  }
  return "    {GodCase::" + kGodCases[kind].second + ", {" + roles + "},\n     " + Literal(row.fields[0], row) + ", " +
         Literal(row.fields[5], row) + ", " + Literal(row.fields[6], row) + "},\n";
}

void Build(const std::string& folder, const std::string& output) {
  std::ostringstream code;
  code << "// Written by tools/judgement/build_judgement_rules from data/bazi/*.tsv: edit those, not this.\n"
       << "#include \"readings/judgement_rules.h\"\n\n"
       << "namespace velmora {\nnamespace {\n\n"
       << ClimateRules(folder) << "\n"
       << KeyedRows(folder, "patterns.tsv", 7, kPatterns, "const PatternRule kPatternRules", PatternEntry) << "\n"
       << KeyedRows(folder, "useful_gods.tsv", 7, kGodCases, "const GodCaseRule kGodCaseRules", GodCaseEntry)
       << "\n"
       << "}  // namespace\n\n"
       << "const ClimateRule& ClimateRuleOf(int dayStem, int monthBranch) {\n"
       << "  return kClimateRules[dayStem * 12 + monthBranch];\n}\n\n"
       << "const PatternRule& PatternRuleOf(PatternKind kind) { return kPatternRules[static_cast<int>(kind)]; }\n\n"
       << "std::span<const PatternRule> PatternRules() { return kPatternRules; }\n\n"
       << "const GodCaseRule& GodCaseRuleOf(GodCase kind) { return kGodCaseRules[static_cast<int>(kind)]; }\n\n"
       << "}  // namespace velmora\n";
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << code.str();
  if (!out.flush()) throw std::runtime_error("cannot write " + output);
}

}  // namespace
}  // namespace velmora::tools

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "build_judgement_rules", "SOURCE_FOLDER OUTPUT_FILE",
                                 [](const std::vector<std::string>& args) {
                                   velmora::tools::Build(args[0], args[1]);
                                 });
}
