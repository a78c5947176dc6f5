#include "cli/calendar_command.h"

#include <optional>

#include "calendar/day_facts.h"
#include "calendar/day_number.h"
#include "calendar/lunar_conversion.h"
#include "calendar/sexagenary.h"
#include "calendar/star_sign.h"
#include "calendar/startup_lunar.h"
#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "text/gbk.h"

namespace velmora::cli {
namespace {

// What is wrong with a date argument, or nothing.
std::optional<std::string> DateProblem(const std::string& text, const std::optional<CivilDate>& date) {
  if (!date) return "'" + text + "' is not a date of the form yyyy-mm-dd";
  if (date->year < kFirstSupportedYear || date->year > kLastSupportedYear) {
    return text + " lies outside the years " + std::to_string(kFirstSupportedYear) + " to " +
           std::to_string(kLastSupportedYear);
  }
  if (IsDroppedReformDay(*date)) {
    return text + " does not exist (1582-10-05 to 1582-10-14 were dropped by the calendar reform)";
  }
  if (!IsExistingDate(*date)) return text + " does not exist";
  return std::nullopt;
}

std::optional<CivilDate> ReadDateArgument(const std::string& text, std::ostream& err) {
  const std::optional<CivilDate> date = ParseDate(text);
  if (const std::optional<std::string> problem = DateProblem(text, date)) {
    PrintError(err, *problem);
    return std::nullopt;
  }
  return date;
}

// GBK in, UTF-8 out; an empty field prints as "-".
void AppendField(std::string& line, const std::string& gbk) {
  line += '\t';
  line += gbk.empty() ? std::string("-") : GbkToUtf8(gbk);
}

std::string DayLine(const CivilDate& date) {
  TChnCal facts;
  FillDayFacts(facts, DateTime{date});
  const YearCycle cycle = BirthYearCycle(DateTime{date});
  std::string line = FormatDate(date);
  line += '\t';
  line += std::to_string(facts.lunarYear);
  AppendField(line, facts.monthText + facts.dayText);
  AppendField(line, StartupLunarText(date));
  AppendField(line, cycle.yearName);
  AppendField(line, cycle.animal);
  AppendField(line, StarSignOfDate(date.month, date.day));
  AppendField(line, facts.solarTerm);
  AppendField(line, facts.solarFestival);
  AppendField(line, facts.lunarFestival);
  AppendField(line, facts.eraText);
  line += '\n';
  return line;
}

}  // namespace

int RunCalendarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.size() > 2) {
    PrintError(err, "usage: velmora-cli calendar FROM [TO]   (dates yyyy-mm-dd)");
    return kUsageError;
  }
  const std::optional<CivilDate> from = ReadDateArgument(args[0], err);
  if (!from) return kUsageError;
  const std::optional<CivilDate> to = args.size() == 2 ? ReadDateArgument(args[1], err) : from;
  if (!to) return kUsageError;
  if (*to < *from) {
    PrintError(err, "the range ends (" + args[1] + ") before it starts (" + args[0] + ")");
    return kUsageError;
  }
  // Walking day numbers steps over the ten days dropped in 1582.
  for (DayNumber n = DayNumberOf(*from), last = DayNumberOf(*to); n <= last; ++n) {
    out << DayLine(*DateOfDayNumber(n));
  }
  out.flush();
  return out ? kSuccess : kRuntimeError;
}

}  // namespace velmora::cli
