#include "services/http_server.h"

#include <boost/asio/bind_executor.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
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

unsigned ThreadCount() { return std::max(4u, std::thread::hardware_concurrency()); }

}  // namespace

struct HttpServer::State {
  State(const Sources& sources, std::function<void(const std::string&)> log, ConnectionLimits limits,
        std::vector<std::string> names)
      : log(std::move(log)), names(std::move(names)), count(limits), sources(sources) {}

  void Accept() {
    acceptor->async_accept(net::make_strand(io), [this](boost::system::error_code error, tcp::socket socket) {
      if (error == net::error::operation_aborted || !acceptor->is_open()) return;
      if (error) {
        if (!acceptFailing) log("cannot accept: " + error.message());
        acceptFailing = true;
        pause.expires_after(kAcceptPause);
        pause.async_wait(net::bind_executor(acceptor->get_executor(), [this](boost::system::error_code waited) {
          if (!waited) Accept();
        }));
        return;
      }
      acceptFailing = false;
      boost::system::error_code unknown;
      const tcp::endpoint remote = socket.remote_endpoint(unknown);
      std::optional<ConnectionCount::Ticket> ticket =
          unknown ? std::nullopt : count.Admit(remote.address().to_string());
      if (ticket) {
        ServeConnection(std::move(socket), std::move(*ticket), *context);
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
  // Declared after what the connections use: destroying the context of
  // execution destroys the connections still waiting in it.
  net::io_context io;
  net::steady_timer pause{io};
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
    tcp::resolver resolver(state.io);
    const tcp::endpoint endpoint =
        resolver.resolve(host, std::to_string(port), tcp::resolver::numeric_service).begin()->endpoint();
    state.acceptor.emplace(net::make_strand(state.io));
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
  for (unsigned i = 1; i < ThreadCount(); ++i) threads.emplace_back([&state] { state.io.run(); });
  state.io.run();
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
  state.io.stop();
}

}  // namespace velmora::services
