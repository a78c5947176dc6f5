#pragma once
// One client connection of the service: requests read one after another
// (pipelined ones answered in order), each within the limits below, each
// answered with one of the service's pages. Every wait has a deadline, so a
// slow or idle client holds only its own connection, and never for long.

#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "services/connection_count.h"
#include "services/host_check.h"
#include "services/sources.h"

namespace velmora::services {

// The address of a request, its query included.
inline constexpr std::size_t kMaxTargetBytes = 8 * 1024;
// Every header field together (the request line has its own, the address
// limit below).
inline constexpr std::size_t kMaxHeaderBytes = 16 * 1024;
inline constexpr std::size_t kMaxHeaderFields = 100;
inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;
// From the end of one answer (or the connection's start) to the whole next
// request read, and for writing one answer: keep-alive and slow clients alike.
inline constexpr std::chrono::seconds kRequestTimeout{10};

// What every connection of one server shares.
struct ServingContext {
  ServingContext(const Sources& sources, HostPolicy hosts, std::function<void(const std::string&)> log)
      : sources(sources), hosts(std::move(hosts)), log(std::move(log)) {}

  const Sources& sources;
  HostPolicy hosts;
  std::function<void(const std::string& line)> log;
  std::atomic<bool> stopping = false;
  // Requests being answered now; a stop waits for them.
  std::mutex lock;
  std::condition_variable done;
  std::size_t answering = 0;
};

// Serves the socket until the client leaves, breaks a limit or the server
// stops; holds the ticket of its place until then. Throws nothing.
void ServeConnection(boost::asio::ip::tcp::socket socket, ConnectionCount::Ticket ticket, ServingContext& context);

// Sends the 503 page to a connection over the limits and closes it, without
// waiting for the client.
void RefuseConnection(boost::asio::ip::tcp::socket socket, ServingContext& context);

}  // namespace velmora::services
