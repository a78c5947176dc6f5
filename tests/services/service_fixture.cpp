#include "tests/services/service_fixture.h"

#include "text/gbk.h"

namespace velmora::services::testing {

const Sources& ProgramSources() {
  static const Sources sources = [] {
    Sources loaded(VELMORA_PROGRAM_FOLDER "/");
    loaded.SetClock([] { return kFixedNow; });
    return loaded;
  }();
  return sources;
}

Query QueryOf(const std::multimap<std::string, std::string>& utf8Parameters, const std::string& host,
              const std::string& capture) {
  std::multimap<std::string, std::string> parameters;
  for (const auto& [name, value] : utf8Parameters) parameters.emplace(name, Utf8ToGbk(value));
  return Query(std::move(parameters), host, {capture});
}

}  // namespace velmora::services::testing
