#pragma once
// Which Host headers the service answers. A page of any web site can make a
// browser send requests to 127.0.0.1 under its own name (DNS rebinding); the
// Host header is then that name. So a service listening on a loopback address
// answers only Host values naming a loopback address or "localhost", plus the
// names it was given; one listening elsewhere answers the names it was given,
// or any Host when it was given none.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::services {

class HostPolicy {
 public:
  // `listenAddress` as given to --listen (no brackets); `names` from --host,
  // compared without case and without port.
  HostPolicy(const std::string& listenAddress, std::vector<std::string> names);

  // Whether a request with this Host header (such as "127.0.0.1:8080",
  // "[::1]" or "velmora.example.com") is answered. A request without Host
  // (HTTP/1.0 tools) is: no browser sends one.
  bool Allows(std::string_view host) const;

 private:
  bool loopbackOnly_;
  std::vector<std::string> names_;
};

// Whether the address (no brackets, no port) is one of the loopback
// addresses: 127.0.0.0/8, ::1, or the IPv6 form of a 127 address.
bool IsLoopbackAddress(const std::string& address);

}  // namespace velmora::services
