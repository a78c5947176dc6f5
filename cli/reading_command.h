#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// `reading KIND [--name N] [--sex 男|女] [--surname 单姓|复姓] [--birth yyyy-mm-dd]
// [--hour 0..23] [--folder DIR]`, KIND name, bone, zodiac or constellation: runs
// the reading as its command does, writes the report page into the program
// folder and prints the page in UTF-8.
int RunReadingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
