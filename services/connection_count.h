#pragma once
// The connections the service holds open, in all and per client address: a
// new connection is admitted only within the limits, so that one client
// cannot take every place (nor every file descriptor) from the others.
// Shared by the server's threads.

#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "services/service_options.h"

namespace velmora::services {

class ConnectionCount {
 public:
  // One admitted connection's place, given back when the ticket goes.
  class Ticket {
   public:
    Ticket(ConnectionCount& count, std::string address) : count_(&count), address_(std::move(address)) {}
    Ticket(Ticket&& other) noexcept : count_(other.count_), address_(std::move(other.address_)) { other.count_ = nullptr; }
    Ticket& operator=(Ticket&&) = delete;
    ~Ticket() {
      if (count_) count_->Release(address_);
    }

   private:
    ConnectionCount* count_;
    std::string address_;
  };

  explicit ConnectionCount(ConnectionLimits limits) : limits_(limits) {}

  // A place for a connection from the client address; nothing when the
  // service or that address already holds its limit.
  std::optional<Ticket> Admit(const std::string& address);
  std::size_t Open() const;

 private:
  void Release(const std::string& address);

  const ConnectionLimits limits_;
  mutable std::mutex lock_;
  std::size_t open_ = 0;
  std::unordered_map<std::string, std::size_t> byAddress_;
};

}  // namespace velmora::services
