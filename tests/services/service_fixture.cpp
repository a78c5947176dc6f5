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

RunningServer::RunningServer(ConnectionLimits limits) : server_(ProgramSources(), [](const std::string&) {}, limits) {
  port_ = server_.Bind("127.0.0.1", 0);
  served_ = std::async(std::launch::async, [this] { return server_.Run(); });
}

RunningServer::~RunningServer() { Stop(); }

httplib::Client RunningServer::Client() const {
  httplib::Client client("127.0.0.1", port_);
  client.set_connection_timeout(5);
  client.set_read_timeout(10);
  return client;
}

bool RunningServer::Stop() {
  if (stopped_) return true;
  stopped_ = true;
  server_.Stop();
  return served_.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
}

}  // namespace velmora::services::testing
