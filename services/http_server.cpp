#include "services/http_server.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

#include "services/routes.h"

namespace velmora::services {
namespace {

void Send(const Page& page, httplib::Response& response) {
  response.status = page.status;
  response.set_content(page.body, page.contentType.c_str());
}

void Serve(const httplib::Request& request, httplib::Response& response, const Sources& sources) {
  std::multimap<std::string, std::string> parameters(request.params.begin(), request.params.end());
  Send(Answer(request.path, std::move(parameters), request.get_header_value("Host"), sources), response);
}

// The request line as a log shows it: bytes outside printable ASCII escaped.
std::string Printable(const std::string& text) {
  std::string out;
  for (const unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  return out;
}

// A literal path as a pattern of the library's regular expressions.
std::string LiteralPattern(const std::string& path) {
  std::string pattern;
  for (const char c : path) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '/' && c != '_' && c != '-') pattern += '\\';
    pattern += c;
  }
  return pattern;
}

}  // namespace

HttpServer::HttpServer(const Sources& sources, std::function<void(const std::string&)> log)
    : server_(std::make_unique<httplib::Server>()) {
  httplib::Server& server = *server_;
  server.set_payload_max_length(kMaxRequestBytes);
  // Pages go out in several writes; waiting for acknowledgements between them
  // (Nagle) would hold each answer back by tens of milliseconds.
  server.set_tcp_nodelay(true);
  server.set_keep_alive_max_count(100);
  // Every method but POST is answered before the library's routing, which
  // would match the path against a regular expression character by character.
  server.set_pre_routing_handler([&sources](const httplib::Request& request, httplib::Response& response) {
    if (request.method == "POST") return httplib::Server::HandlerResponse::Unhandled;
    if (request.method == "GET" || request.method == "HEAD") {
      Serve(request, response, sources);
    } else {
      Send(ErrorPage(400, "不支持的请求方法 " + request.method), response);
    }
    return httplib::Server::HandlerResponse::Handled;
  });
  for (const Route& route : RouteTable()) {
    if (route.pattern.find("{}") != std::string::npos) continue;  // forms send to fixed addresses only
    server.Post(LiteralPattern(route.pattern), [&sources](const httplib::Request& request, httplib::Response& response) {
      Serve(request, response, sources);
    });
  }
  server.set_error_handler([](const httplib::Request& request, httplib::Response& response) {
    if (!response.body.empty()) return;  // one of the service's own pages
    Send(response.status == 404 ? ErrorPage(404, "没有这个页面：" + request.path)
                                : ErrorPage(400, "请求过长或无法读取（请求不能超过 64 KiB）"),
         response);
  });
  server.set_exception_handler([log](const httplib::Request&, httplib::Response& response, std::exception_ptr fault) {
    try {
      std::rethrow_exception(fault);
    } catch (const std::exception& error) {
      log(std::string("fault: ") + error.what());
    } catch (...) {
      log("fault: unknown");
    }
    Send(ErrorPage(500, "服务暂时出错，请稍后再试"), response);
  });
  server.set_logger([log](const httplib::Request& request, const httplib::Response& response) {
    std::string target = request.target.empty() ? request.path : request.target;
    log(request.remote_addr + " " + request.method + " " + Printable(target) + " " + std::to_string(response.status) +
        " " + std::to_string(response.body.size()));
  });
}

HttpServer::~HttpServer() = default;

int HttpServer::Bind(const std::string& host, int port) {
  if (port == 0) {
    const int bound = server_->bind_to_any_port(host);
    if (bound > 0) return bound;
  } else if (server_->bind_to_port(host, port)) {
    return port;
  }
  throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
}

bool HttpServer::Run() {
  const bool served = server_->listen_after_bind();
  ended_ = true;
  return served;
}

void HttpServer::Stop() {
  // The library ignores a stop that comes before it listens (a program killed
  // right after starting its service sends one then), so wait until it does.
  while (!server_->is_running() && !ended_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  server_->stop();
}

}  // namespace velmora::services
