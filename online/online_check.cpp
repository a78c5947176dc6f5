#include "online/online_check.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <unistd.h>

#include <memory>

#include "text/gbk_bytes.h"

namespace velmora {

std::optional<std::vector<std::string>> ResolveOwnHostAddresses() {
  char host[65] = {};
  if (gethostname(host, 64) != 0) return std::nullopt;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;  // one entry per address
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0) return std::nullopt;
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, freeaddrinfo);
  std::vector<std::string> addresses;
  for (const addrinfo* each = found; each; each = each->ai_next) {
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(each->ai_addr);
    if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) addresses.emplace_back(text);
  }
  return addresses;
}

std::string LocalAddressText(const HostAddresses& addresses) {
  const std::optional<std::vector<std::string>> list = addresses();
  if (!list || list->empty()) return {};
  return list->back();
}

bool IsOnline(const HostAddresses& addresses) {
  const std::string first = LocalAddressText(addresses);
  const std::size_t dot = first.find('.');
  const int position = dot == std::string::npos ? 0 : static_cast<int>(dot) + 1;
  return BytesAt(LocalAddressText(addresses), position + 1, 3) != "0.0";
}

}  // namespace velmora
