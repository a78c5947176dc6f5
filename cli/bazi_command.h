#pragma once
// `reading bazi --birth yyyy-mm-dd [--time H[:MM]] [--place NAME [--province P]
// | --longitude E] [--sex 男|女] [--json] [--folder DIR]`: the whole chart of a
// birth as UTF-8 text lines, or as the JSON document of services/chart_json.h.

#include <ostream>
#include <string>

#include "cli/command_line.h"

namespace velmora::cli {

// Prints the chart, with the place table of the program folder; throws
// UsageError for a bad option (naming it) and std::runtime_error when the
// place table cannot be read.
void PrintBaziChart(const CommandLine& line, const std::string& folder, std::ostream& out);

}  // namespace velmora::cli
