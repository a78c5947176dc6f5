#include "cli/strokes_command.h"

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/terminal_text.h"
#include "readings/stroke_lookup.h"
#include "text/gbk.h"
#include "text/utf8.h"

namespace velmora::cli {
namespace {

// The UTF-8 characters of a text, each as its own string; a byte that
// begins no character stands alone.
std::vector<std::string> Utf8Characters(const std::string& text) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = std::max<std::size_t>(1, Utf8CharacterLength(std::string_view(text).substr(i)));
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

}  // namespace

int RunStrokesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<CommandLine> commandLine = ParseCommandLine(args, {"folder"}, error);
  if (!commandLine || commandLine->positional.size() != 1) {
    PrintError(err, error.empty() ? "usage: velmora-cli strokes TEXT [--folder DIR]" : error);
    return kUsageError;
  }
  // The lines are printed once every lookup has worked, so a database error
  // leaves nothing half printed.
  std::string lines;
  try {
    ReferenceDb db(CommandFolder(*commandLine), ReferenceDatabase());
    db.Open();
    for (const std::string& character : Utf8Characters(commandLine->positional[0])) {
      lines += TerminalText(character) + '\t' + LookupStrokeCount(db, Utf8ToGbk(character)) + '\n';
    }
  } catch (const std::exception& failure) {
    PrintError(err, failure.what());
    return kRuntimeError;
  }
  out << lines;
  out.flush();
  return out ? kSuccess : kRuntimeError;
}

}  // namespace velmora::cli
