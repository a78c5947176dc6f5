#include "cli/reading_command.h"

#include <array>
#include <map>

#include "calendar/day_facts.h"
#include "calendar/startup_lunar.h"
#include "cli/bazi_command.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "readings/baby_gender.h"
#include "readings/bone_weight.h"
#include "readings/decimal_text.h"
#include "readings/element_count_page.h"
#include "readings/five_elements.h"
#include "readings/phone_numerology.h"
#include "readings/name_numerology.h"
#include "readings/year_outlook.h"
#include "refdb/database_error.h"
#include "refdb/settings_file.h"
#include "text/gbk.h"
#include "text/gbk_bytes.h"

namespace velmora::cli {
namespace {

const char* const kUsage =
    "usage: velmora-cli reading name|bone|zodiac|constellation|elements [--name N] [--sex 男|女] "
    "[--surname 单姓|复姓] [--birth yyyy-mm-dd] [--hour 0..23] [--folder DIR] | reading phone NUMBER | "
    "reading gender --age A --month M | reading conception --age A --wish 男孩|女孩 | reading trigram P1 … P7 | "
    "reading bazi --birth yyyy-mm-dd [--time HH:MM] [--place NAME [--province P] | --longitude E] [--sex 男|女] "
    "[--json]";

std::string Choice(const CommandLine& line, const std::string& option, const std::string& first,
                   const std::string& second) {
  const std::string value = line.Option(option).value_or(first);
  if (value != first && value != second) throw UsageError{"--" + option + " takes " + first + " or " + second};
  return Utf8ToGbk(value);
}

// The profile the start-up would show, changed by the options; a birth date
// given is taken as if picked in the birthday picker.
BirthProfile ProfileOf(const CommandLine& line, const std::string& folder) {
  BirthProfile profile;
  const std::optional<std::string> name = line.Option("name");
  profile.name = name ? Utf8ToGbk(*name) : SettingsFile(SettingsFilePath(folder)).Read("setup", "name").value_or("");
  profile.sex = Choice(line, "sex", "男", "女");
  profile.surnameKind = Choice(line, "surname", "单姓", "复姓");
  if (const std::optional<std::string> birth = line.Option("birth")) {
    const std::optional<CivilDate> date = ParseDate(*birth);
    if (!date || !IsExistingDate(*date) || date->year < 1 || date->year > 2100) {
      throw UsageError{"--birth takes an existing date yyyy-mm-dd in the years 1 to 2100"};
    }
    profile.birthDate = DateTime{*date};
    TChnCal facts;
    FillDayFacts(facts, profile.birthDate);
    profile.cnMonth = facts.monthText;
    profile.cnDay = facts.dayText;
  } else {
    profile.birthDate = LocalNow();
    const std::string lunar = StartupLunarText(profile.birthDate.date);
    profile.cnMonth = BytesAt(lunar, 1, 4);
    profile.cnDay = BytesAt(lunar, 5, 4);
  }
  const std::string hour = line.Option("hour").value_or("0");
  if (hour.empty() || hour.size() > 2 || hour.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(hour) > 23) {
    throw UsageError{"--hour takes a whole number from 0 to 23"};
  }
  profile.birthHourIndex = std::stoi(hour);
  return profile;
}

// A whole number from `first` to `last`, as the decimal text the tables are
// keyed by; the panel's boxes take any text, the command line only what the
// tables hold, so that a joined key cannot stand for another query.
std::string TableOption(const CommandLine& line, const std::string& option, const std::string& fallback, int first,
                        int last, const std::string& what) {
  int value = 0;
  try {
    value = ParseDecimal(Utf8ToGbk(line.Option(option).value_or(fallback)));
  } catch (const std::runtime_error& conversion) {
    throw UsageError{conversion.what()};
  }
  if (value < first || value > last) {
    throw UsageError{"--" + option + " takes " + what + " from " + std::to_string(first) + " to " + std::to_string(last)};
  }
  return std::to_string(value);
}

// What the gender panel or the trigram view shows for the options given.
std::string GenderAnswer(const std::string& kind, const CommandLine& line) {
  if (kind == "gender" || kind == "conception") {
    const std::string age = TableOption(line, "age", "18", kFirstChartAge, kLastChartAge, "the mother's nominal age");
    if (kind == "gender") return QueryGenderChart(TableOption(line, "month", "1", 1, 12, "the month"), age).label;
    std::string holder = InitialMonthsHolder();
    return QueryConceptionMonths(age, Choice(line, "wish", "男孩", "女孩") == "男孩"_gbk ? 0 : 1, holder);
  }
  std::array<int, 7> positions{};
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const std::string& text = line.positional[i + 1];
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) {
      throw UsageError{"trigram takes seven zero-based list positions"};
    }
    positions[i] = std::stoi(text);
  }
  return TrigramSex(positions);
}

}  // namespace

int RunReadingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<CommandLine> line =
      ParseCommandLine(args,
                       {"name", "sex", "surname", "birth", "hour", "folder", "age", "month", "wish", "time", "place",
                        "province", "longitude"},
                       error, {"json"});
  static const std::map<std::string, std::size_t> kKinds = {
      {"name", 1},  {"bone", 1},   {"zodiac", 1},     {"constellation", 1}, {"elements", 1},
      {"phone", 2}, {"gender", 1}, {"conception", 1}, {"trigram", 8}, {"bazi", 1}};
  const auto kind = line && !line->positional.empty() ? kKinds.find(line->positional[0]) : kKinds.end();
  if (kind == kKinds.end() || line->positional.size() != kind->second) {
    PrintError(err, error.empty() ? kUsage : error);
    return kUsageError;
  }
  try {
    for (const char* option : {"time", "place", "province", "longitude", "json"}) {
      if (kind->first != "bazi" && line->Option(option)) throw UsageError{std::string("--") + option + " belongs to reading bazi"};
    }
    if (kind->first == "bazi" && line->Option("hour")) throw UsageError{"reading bazi takes the hour as --time HH:MM"};
    const std::string folder = CommandFolder(*line);
    if (kind->first == "phone") {
      // What the message box would show; a text that is no number shows nothing.
      const std::string message = GbkToUtf8(ReadPhoneNumber(Utf8ToGbk(line->positional[1])).message);
      if (!message.empty()) out << message << "\n";
      return kSuccess;
    }
    if (kind->first == "bazi") {
      PrintBaziChart(*line, folder, out);
      return kSuccess;
    }
    if (kind->first == "gender" || kind->first == "conception" || kind->first == "trigram") {
      out << GbkToUtf8(GenderAnswer(kind->first, *line)) << "\n";
      return kSuccess;
    }
    const BirthProfile profile = ProfileOf(*line, folder);
    ValueLabels labels;
    ReportPage page;
    if (kind->first == "zodiac") {
      AnimalYearReading(ReadTextLines(AnimalYearTextsPath(folder)), profile, labels, page);
    } else if (kind->first == "constellation") {
      StarSignYearReading(ReadTextLines(StarSignYearTextsPath(folder)), profile, labels, page);
    } else {
      ReferenceDb db(folder, ReferenceDatabase());
      db.Open();
      if (kind->first == "name") BuildNamePage(page, NameReading(db, profile, labels));
      if (kind->first == "bone") BoneWeightReading(db, profile, labels, page);
      if (kind->first == "elements") {
        ElementCountPage counter;
        FiveElementReading(counter, db, profile, labels, page);
      }
    }
    page.WriteTo(folder + "ssbx.htm1");
    if (kind->first == "name") SettingsFile(SettingsFilePath(folder)).Write("setup", "name", profile.name);
    out << GbkToUtf8(page.FileText());
  } catch (const UsageError& usage) {
    PrintError(err, usage.message);
    return kUsageError;
  } catch (const std::exception& failure) {
    PrintError(err, failure.what());
    return kRuntimeError;
  }
  return kSuccess;
}

}  // namespace velmora::cli
