#include "services/service_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace velmora::services {
namespace {

// "host:port" or "[v6 address]:port".
bool ParseListen(const std::string& text, ServiceOptions& options) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return false;
  }
  const std::string port = text.substr(colon + 1);
  int value = -1;
  const auto [end, fault] = std::from_chars(port.data(), port.data() + port.size(), value);
  if (port.empty() || fault != std::errc() || end != port.data() + port.size() || value < 0 || value > 65535) {
    return false;
  }
  options.host = host;
  options.port = value;
  return true;
}

}  // namespace

std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args, std::string& error) {
  ServiceOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if ((option != "--listen" && option != "--folder") || i + 1 == args.size()) {
      error = "unknown option or missing value: " + option;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (option == "--listen" && !ParseListen(value, options)) {
      error = "--listen takes ADDR:PORT (port 0..65535), not " + value;
      return std::nullopt;
    }
    if (option == "--folder") {
      if (value.empty()) {
        error = "--folder takes a folder";
        return std::nullopt;
      }
      options.folder = value;
    }
  }
  return options;
}

}  // namespace velmora::services
