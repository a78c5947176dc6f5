// The service's answer to any request: the address, the query or form text
// (decoded as the server decodes it) and the host, as pieces between NUL
// bytes. An address that does not begin with "/" is put into the "{}" of a
// route picked by its first byte, so that every handler is reached. Every
// request gets a page: 200, 400 or 404, never a fault.

#include <httplib.h>

#include <ctime>

#include "fuzz/fuzz_input.h"
#include "services/routes.h"
#include "services/sources.h"

namespace velmora::fuzz {
namespace {

const services::Sources& TheSources() {
  static const services::Sources sources = [] {
    services::Sources loaded(VELMORA_PROGRAM_FOLDER "/");
    // A fixed day, so that a finding replays with the same week's sky.
    loaded.SetClock([] { return std::time_t{1796083200}; });
    return loaded;
  }();
  return sources;
}

std::string RequestPath(const std::string& piece) {
  if (piece.starts_with("/")) return piece;
  const auto& routes = services::RouteTable();
  const auto pick = piece.empty() ? 0u : static_cast<unsigned char>(piece[0]);
  std::string path = routes[pick % routes.size()].pattern;
  const size_t hole = path.find("{}");
  if (hole != std::string::npos) path.replace(hole, 2, piece.empty() ? std::string() : piece.substr(1));
  return path;
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::fuzz;
  // The server refuses requests over 64 KiB before they reach a handler.
  if (size > 64 * 1024) return 0;
  const std::vector<std::string> pieces = Pieces(Bytes(data, size));
  httplib::Params decoded;
  if (pieces.size() > 1) httplib::detail::parse_query_text(pieces[1], decoded);
  const std::multimap<std::string, std::string> parameters(decoded.begin(), decoded.end());
  const std::string host = pieces.size() > 2 ? pieces[2] : "127.0.0.1:8000";
  const velmora::services::Page page =
      velmora::services::Answer(RequestPath(pieces[0]), parameters, host, TheSources());
  Check(page.status == 200 || page.status == 400 || page.status == 404, "a request got a status other than 200, 400 or 404");
  Check(!page.body.empty(), "a page is empty");
  return 0;
}
