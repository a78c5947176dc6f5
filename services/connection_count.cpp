#include "services/connection_count.h"

namespace velmora::services {

std::optional<ConnectionCount::Ticket> ConnectionCount::Admit(const std::string& address) {
  const std::lock_guard<std::mutex> hold(lock_);
  if (open_ >= limits_.total) return std::nullopt;
  std::size_t& fromAddress = byAddress_[address];
  if (limits_.perAddress != 0 && fromAddress >= limits_.perAddress) return std::nullopt;
  ++fromAddress;
  ++open_;
  return Ticket(*this, address);
}

std::size_t ConnectionCount::Open() const {
  const std::lock_guard<std::mutex> hold(lock_);
  return open_;
}

void ConnectionCount::Release(const std::string& address) {
  const std::lock_guard<std::mutex> hold(lock_);
  --open_;
  // Forget an address without connections, so that the map stays as small
  // as the set of clients connected now.
  if (--byAddress_[address] == 0) byAddress_.erase(address);
}

}  // namespace velmora::services
