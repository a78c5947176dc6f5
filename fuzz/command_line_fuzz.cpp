// velmora-cli's commands with any arguments (the pieces between NUL bytes,
// the first naming the command). Every run ends with status 0, 1 or 2; a
// failed run prints nothing on stdout and one line on stderr, and nothing it
// prints on stderr can act on a terminal. Commands that read a program folder
// get an empty one, so nothing is written anywhere.

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "calendar/day_number.h"
#include "cli/calendar_command.h"
#include "cli/reading_command.h"
#include "cli/strokes_command.h"
#include "fuzz/fuzz_input.h"

namespace velmora::fuzz {
namespace {

const std::string& EmptyFolder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / ("velmora-fuzz-empty-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path.string() + "/";
  }();
  return folder;
}

// Ranges longer than this are left out: they are slow, not different.
bool IsLongRange(const std::vector<std::string>& args) {
  if (args.size() != 2) return false;
  const std::optional<CivilDate> from = ParseDate(args[0]), to = ParseDate(args[1]);
  return from && to && IsExistingDate(*from) && IsExistingDate(*to) && DayNumberOf(*to) - DayNumberOf(*from) > 400;
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  std::vector<std::string> args = Pieces(Bytes(data, size));
  const std::string command = args.front();
  args.erase(args.begin());
  // The folder is ours to choose: one the fuzzer names could be a real one.
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--folder") args[i] = "--name";
  }
  std::ostringstream out, err;
  int status = 0;
  if (command == "calendar") {
    if (IsLongRange(args)) return 0;
    status = cli::RunCalendarCommand(args, out, err);
  } else if (command == "strokes" || command == "reading") {
    args.insert(args.end(), {"--folder", EmptyFolder()});
    status = (command == "strokes" ? cli::RunStrokesCommand : cli::RunReadingCommand)(args, out, err);
  } else {
    return 0;
  }
  Check(status == 0 || status == 1 || status == 2, "the status is 0, 1 or 2");
  const std::string error = err.str();
  if (status != 0) {
    Check(out.str().empty(), "a failed command prints nothing on stdout");
    Check(!error.empty() && error.find('\n') == error.size() - 1, "a failed command prints one line on stderr");
  }
  for (size_t i = 0; i + 1 < error.size(); ++i) {
    const auto byte = static_cast<unsigned char>(error[i]);
    Check(byte >= 0x20 && byte != 0x7F, "no control character reaches the terminal");
  }
  return 0;
}
