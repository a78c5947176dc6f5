#include "services/service_options.h"

#include <charconv>

namespace velmora::services {
namespace {

std::optional<long long> Number(const std::string& text, long long low, long long high) {
  long long value = 0;
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || fault != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

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
  const std::optional<long long> port = Number(text.substr(colon + 1), 0, 65535);
  if (!port) return false;
  options.host = host;
  options.port = static_cast<int>(*port);
  return true;
}

// "a.example,b.example": each name non-empty.
bool ParseNames(const std::string& text, std::vector<std::string>& names) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (name.empty()) return false;
    names.push_back(name);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

}  // namespace

std::optional<ServiceOptions> ParseServiceOptions(const std::vector<std::string>& args, std::string& error) {
  ServiceOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool known = option == "--listen" || option == "--folder" || option == "--host" ||
                       option == "--max-connections" || option == "--max-per-address";
    if (!known || i + 1 == args.size()) {
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
    if (option == "--host" && !ParseNames(value, options.names)) {
      error = "--host takes NAME or NAME,NAME..., not " + value;
      return std::nullopt;
    }
    if (option == "--max-connections" || option == "--max-per-address") {
      const bool total = option == "--max-connections";
      const std::optional<long long> count = Number(value, total ? 1 : 0, 1000000);
      if (!count) {
        error = option + (total ? " takes a count from 1 to 1000000, not " : " takes a count from 0 to 1000000, not ") +
                value;
        return std::nullopt;
      }
      (total ? options.limits.total : options.limits.perAddress) = static_cast<std::size_t>(*count);
    }
  }
  return options;
}

}  // namespace velmora::services
