#include "services/host_check.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>

#include "text/ascii_case.h"

namespace velmora::services {
namespace {

// The name of a Host header without its port: "[::1]:80" gives "::1",
// "Example.COM.:80" gives "example.com".
std::string HostName(std::string_view host) {
  if (host.starts_with('[')) {
    const std::size_t close = host.find(']');
    return close == std::string_view::npos ? std::string() : std::string(host.substr(1, close - 1));
  }
  std::string name = AsciiLowered(host.substr(0, host.find(':')));
  if (name.ends_with('.')) name.pop_back();
  return name;
}

}  // namespace

bool IsLoopbackAddress(const std::string& address) {
  in_addr v4{};
  if (inet_pton(AF_INET, address.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
  in6_addr v6{};
  if (inet_pton(AF_INET6, address.c_str(), &v6) != 1) return false;
  if (IN6_IS_ADDR_LOOPBACK(&v6)) return true;
  return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
}

HostPolicy::HostPolicy(const std::string& listenAddress, std::vector<std::string> names)
    : loopbackOnly_(listenAddress == "localhost" || IsLoopbackAddress(listenAddress)) {
  for (const std::string& name : names) names_.push_back(HostName(name));
}

bool HostPolicy::Allows(std::string_view host) const {
  if (host.empty()) return true;
  const std::string name = HostName(host);
  if (std::find(names_.begin(), names_.end(), name) != names_.end()) return true;
  if (loopbackOnly_) return name == "localhost" || IsLoopbackAddress(name);
  return names_.empty();
}

}  // namespace velmora::services
