#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velmora::cli {

// `strokes TEXT [--folder DIR]`: each character of TEXT with its stroke count
// from the reference database, one TAB-separated UTF-8 line per character.
int RunStrokesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
