#pragma once
// Whether the machine counts as connected: the last IPv4 address its own host
// name resolves to decides. A machine without a network resolves to a loopback
// address (127.0.0.1), whose second and third parts read "0.0".

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The IPv4 addresses of the machine's own host name in dotted-decimal text, in
// the resolver's order; nothing when the name does not resolve.
using HostAddresses = std::function<std::optional<std::vector<std::string>>()>;

// gethostname (at most 64 bytes) resolved with getaddrinfo for IPv4.
std::optional<std::vector<std::string>> ResolveOwnHostAddresses();

// The last address of the list; empty when the host name does not resolve.
std::string LocalAddressText(const HostAddresses& addresses = ResolveOwnHostAddresses);

// Offline exactly when the three characters after the first "." of the local
// address are "0.0"; a host name that does not resolve counts as online.
bool IsOnline(const HostAddresses& addresses = ResolveOwnHostAddresses);

}  // namespace velmora
