// The service's answer to any request: the address, the query or form text
// (decoded as the server decodes them) and the host, as pieces between NUL
// bytes. An address that does not begin with "/" is put into the "{}" of a
// route picked by its first byte, so that every handler is reached. Every
// request gets a page: 200, 400 or 404, never a fault. The program folder is
// a made one whose "www" holds links leading out of it (to "/", to its
// parent, to a file beside it): an address no route answers gets either the
// 404 page or one of the files really inside "www", nothing else.

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>

#include "fuzz/fuzz_input.h"
#include "services/form_text.h"
#include "services/routes.h"
#include "services/sources.h"

namespace velmora::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSecret = "velmora fuzz: a file outside www";

void Write(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

struct Folder {
  std::string path;
  std::set<std::string> wwwFiles;  // the content of every regular file inside www
};

const Folder& TheFolder() {
  // Kept alive to the end, so that the exit handler that removes it still
  // finds its path after static objects are gone.
  static const Folder& folder = *new Folder([] {
    char name[] = "/tmp/velmora_service_fuzz_XXXXXX";
    const fs::path root = mkdtemp(name);
    std::atexit([] { std::error_code ignored; fs::remove_all(TheFolder().path, ignored); });
    fs::create_directory_symlink(fs::path(VELMORA_PROGRAM_FOLDER) / "data", root / "data");
    fs::create_directories(root / "www" / "pictures");
    Write(root / "secret.txt", kSecret);
    Write(root / "www" / "script.js", "var inside = 1;");
    Write(root / "www" / "pictures" / "dot.png", "\x89PNG inside");
    fs::create_symlink("script.js", root / "www" / "same.js");           // inside: served
    fs::create_directory_symlink("/", root / "www" / "root");           // the whole machine
    fs::create_directory_symlink("..", root / "www" / "up");            // the program folder
    fs::create_symlink("../secret.txt", root / "www" / "secret.js");    // a file beside www
    return Folder{root.string() + "/", {"var inside = 1;", "\x89PNG inside"}};
  }());
  return folder;
}

const services::Sources& TheSources() {
  static const services::Sources sources = [] {
    services::Sources loaded(TheFolder().path);
    // A fixed day, so that a finding replays with the same week's sky.
    loaded.SetClock([] { return std::time_t{1796083200}; });
    return loaded;
  }();
  return sources;
}

std::string RequestPath(const std::string& piece) {
  if (piece.starts_with("/")) return services::PercentDecoded(piece, false);
  const auto& routes = services::RouteTable();
  const auto pick = piece.empty() ? 0u : static_cast<unsigned char>(piece[0]);
  std::string path = routes[pick % routes.size()].pattern;
  const size_t hole = path.find("{}");
  if (hole != std::string::npos) path.replace(hole, 2, piece.empty() ? std::string() : piece.substr(1));
  return path;
}

bool AnyRouteMatches(const std::string& path) {
  for (const services::Route& route : services::RouteTable()) {
    if (services::MatchRoute(route.pattern, path)) return true;
  }
  return false;
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::fuzz;
  // The server refuses bodies over 64 KiB before they reach a handler.
  if (size > 64 * 1024) return 0;
  const std::vector<std::string> pieces = Pieces(Bytes(data, size));
  std::multimap<std::string, std::string> parameters;
  if (pieces.size() > 1) velmora::services::AddFormFields(pieces[1], parameters);
  const std::string host = pieces.size() > 2 ? pieces[2] : "127.0.0.1:8000";
  const std::string path = RequestPath(pieces[0]);
  const velmora::services::Page page = velmora::services::Answer(path, parameters, host, TheSources());
  Check(page.status == 200 || page.status == 400 || page.status == 404, "a request got a status other than 200, 400 or 404");
  Check(!page.body.empty(), "a page is empty");
  // The 404 page names the address asked for and pages repeat the name asked
  // about, so a request that spells the secret out may see it again.
  const auto spells = [](const std::string& text) { return text.find(kSecret) != std::string::npos; };
  bool asksForSecret = spells(std::string(Bytes(data, size))) || spells(path);
  for (const auto& [name, value] : parameters) asksForSecret = asksForSecret || spells(name) || spells(value);
  Check(asksForSecret || page.body.find(kSecret) == std::string::npos, "an answer holds a file outside www");
  if (page.status == 200 && !AnyRouteMatches(path)) {
    Check(TheFolder().wwwFiles.contains(page.body), "a file went out that is not inside www");
  }
  return 0;
}
