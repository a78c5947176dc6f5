#include "services/http_server.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <stdexcept>
#include <thread>

#include "services/connection_count.h"
#include "services/http_connection.h"

namespace velmora::services {
namespace {

namespace net = boost::asio;
using tcp = net::ip::tcp;

// Time for the answers being written when a stop comes.
constexpr std::chrono::milliseconds kStopGrace{1000};
// A pause before accepting again when the system refuses (no descriptors
// left): the waiting connection would otherwise be retried in a busy loop.
constexpr std::chrono::milliseconds kAcceptPause{50};

// The pages are computed on the threads that serve the connections; more
// threads than cores keep a slow page (a naming answer) from holding up
// the connections that share its thread for long.
unsigned ThreadCount() { return std::max(8u, std::thread::hardware_concurrency()); }

using Work = net::executor_work_guard<net::io_context::executor_type>;

}  // namespace

struct HttpServer::State {
  State(const Sources& sources, std::function<void(const std::string&)> log, ConnectionLimits limits,
        std::vector<std::string> names)
      : log(std::move(log)), names(std::move(names)), count(limits), sources(sources), pool(ThreadCount()) {
    for (std::unique_ptr<net::io_context>& io : pool) {
      io = std::make_unique<net::io_context>(1);
      work.push_back(net::make_work_guard(*io));
    }
  }

  // Runs on the first thread; each new connection goes to the next thread.
  void Accept() {
    net::io_context& next = *pool[accepted++ % pool.size()];
    acceptor->async_accept(next, [this](boost::system::error_code error, tcp::socket socket) {
      if (error == net::error::operation_aborted || !acceptor->is_open()) return;
      if (error) {
        if (!acceptFailing) log("cannot accept: " + error.message());
        acceptFailing = true;
        pause.emplace(*pool.front(), kAcceptPause);
        pause->async_wait([this](boost::system::error_code waited) {
          if (!waited) Accept();
        });
        return;
      }
      acceptFailing = false;
      // An answer may leave in more than one write; waiting for the
      // acknowledgement of the first (Nagle) would hold it back by tens of
      // milliseconds.
      boost::system::error_code unknown;
      socket.set_option(tcp::no_delay(true), unknown);
      const tcp::endpoint remote = socket.remote_endpoint(unknown);
      std::optional<ConnectionCount::Ticket> ticket =
          unknown ? std::nullopt : count.Admit(remote.address().to_string());
      if (ticket) {
        // Started on the connection's own thread, which alone touches it.
        const auto executor = socket.get_executor();
        net::post(executor, [this, socket = std::move(socket), ticket = std::move(*ticket)]() mutable {
          ServeConnection(std::move(socket), std::move(ticket), *context);
        });
      } else {
        RefuseConnection(std::move(socket), *context);
      }
      Accept();
    });
  }

  std::function<void(const std::string&)> log;
  std::vector<std::string> names;
  ConnectionCount count;
  const Sources& sources;
  // Made by Bind, which knows whether the address is a loopback one.
  std::unique_ptr<ServingContext> context;
  bool acceptFailing = false;
  std::size_t accepted = 0;
  // One context of execution per thread, each with its share of the
  // connections: a thread waits on its own sockets and is woken by them
  // directly, never handed work by another. Declared after what the
  // connections use: destroying a context destroys the connections still
  // waiting in it.
  std::vector<std::unique_ptr<net::io_context>> pool;
  std::vector<Work> work;
  std::optional<net::steady_timer> pause;
  std::optional<tcp::acceptor> acceptor;
};

HttpServer::HttpServer(const Sources& sources, std::function<void(const std::string&)> log, ConnectionLimits limits,
                       std::vector<std::string> hostNames)
    : state_(std::make_unique<State>(sources, std::move(log), limits, std::move(hostNames))) {}

HttpServer::~HttpServer() = default;

int HttpServer::Bind(const std::string& host, int port) {
  State& state = *state_;
  const std::string where = host + ":" + std::to_string(port);
  try {
    tcp::resolver resolver(*state.pool.front());
    const tcp::endpoint endpoint =
        resolver.resolve(host, std::to_string(port), tcp::resolver::numeric_service).begin()->endpoint();
    state.acceptor.emplace(*state.pool.front());
    state.acceptor->open(endpoint.protocol());
    state.acceptor->set_option(tcp::acceptor::reuse_address(true));
    state.acceptor->bind(endpoint);
    state.acceptor->listen(net::socket_base::max_listen_connections);
    state.context = std::make_unique<ServingContext>(
        state.sources, HostPolicy(endpoint.address().to_string(), state.names), state.log);
    return state.acceptor->local_endpoint().port();
  } catch (const boost::system::system_error& error) {
    throw std::runtime_error("cannot listen on " + where + ": " + error.code().message());
  }
}

bool HttpServer::Run() {
  State& state = *state_;
  if (!state.acceptor) return false;
  net::post(state.acceptor->get_executor(), [&state] { state.Accept(); });
  std::vector<std::thread> threads;
  for (std::size_t i = 1; i < state.pool.size(); ++i) threads.emplace_back([&state, i] { state.pool[i]->run(); });
  state.pool.front()->run();
  for (std::thread& thread : threads) thread.join();
  return state.context->stopping;
}

void HttpServer::Stop() {
  State& state = *state_;
  if (state.context) {
    state.context->stopping = true;
    if (state.acceptor) net::post(state.acceptor->get_executor(), [&state] { state.acceptor->close(); });
    std::unique_lock<std::mutex> hold(state.context->lock);
    state.context->done.wait_for(hold, kStopGrace, [&state] { return state.context->answering == 0; });
  }
  for (const std::unique_ptr<net::io_context>& io : state.pool) io->stop();
}

}  // namespace velmora::services
