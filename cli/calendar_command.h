#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// `calendar FROM [TO]`: one TAB-separated UTF-8 line of calendar facts per
// civil date. Returns the process exit status; errors go to `err` as one line.
int RunCalendarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
