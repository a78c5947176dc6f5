#include "services/http_connection.h"

#include <boost/asio/write.hpp>
#include <boost/beast/core/bind_handler.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <cstdio>
#include <optional>
#include <sstream>

#include "services/http_answer.h"

namespace velmora::services {
namespace {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

constexpr std::chrono::seconds kLingerTime{1};
constexpr const char* kTargetTooLong = "请求的地址过长（不能超过 8 KiB）";
constexpr std::string_view kContinue = "HTTP/1.1 100 Continue\r\n\r\n";

// A text as a log line shows it: bytes outside printable ASCII escaped.
std::string Printable(std::string_view text) {
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

std::string RemoteAddress(const tcp::socket& socket) {
  boost::system::error_code error;
  const tcp::endpoint remote = socket.remote_endpoint(error);
  return error ? std::string("?") : remote.address().to_string();
}

class Connection : public std::enable_shared_from_this<Connection> {
 public:
  Connection(tcp::socket socket, ConnectionCount::Ticket ticket, ServingContext& context)
      : remote_(RemoteAddress(socket)), stream_(std::move(socket)), ticket_(std::move(ticket)), context_(context) {}

  void ReadRequest() {
    if (context_.stopping) return Close();
    parser_.emplace();
    parser_->header_limit(kMaxHeaderBytes);
    parser_->body_limit(kMaxBodyBytes);
    // One deadline for the whole request, header and body: a client that
    // sends a byte now and then gains nothing.
    stream_.expires_after(kRequestTimeout);
    http::async_read_header(stream_, buffer_, *parser_,
                            beast::bind_front_handler(&Connection::OnHeader, shared_from_this()));
  }

 private:
  void OnHeader(beast::error_code error, std::size_t) {
    if (error) return OnReadError(error);
    const HttpRequest& header = parser_->get();
    if (header.target().size() > kMaxTargetBytes) return Refuse(400, kTargetTooLong);
    if (static_cast<std::size_t>(std::distance(header.begin(), header.end())) > kMaxHeaderFields) {
      return Refuse(431, "请求头的字段过多（不能超过 100 个）");
    }
    if (parser_->is_done()) return Answer();
    if (beast::iequals(header[http::field::expect], "100-continue")) {
      net::async_write(stream_, net::buffer(kContinue), [self = shared_from_this()](beast::error_code sent, std::size_t) {
        if (sent) return self->Close();
        self->ReadBody();
      });
      return;
    }
    ReadBody();
  }

  void ReadBody() {
    http::async_read(stream_, buffer_, *parser_, [self = shared_from_this()](beast::error_code error, std::size_t) {
      if (error) return self->OnReadError(error);
      self->Answer();
    });
  }

  void OnReadError(beast::error_code error) {
    if (error == http::error::header_limit || error == http::error::buffer_overflow) {
      // The request line not read yet: the address alone is past the limit.
      if (parser_->get().target().empty()) return Refuse(400, kTargetTooLong);
      return Refuse(431, "请求头过大（各字段合计不能超过 16 KiB）");
    }
    if (error == http::error::body_limit) return Refuse(413, "请求内容过大（不能超过 64 KiB）");
    // The client left, stayed silent past the deadline, or broke off inside
    // a request: nothing to answer.
    if (error == http::error::end_of_stream || error == http::error::partial_message ||
        &error.category() != &http::make_error_code(http::error::bad_target).category()) {
      return Close();
    }
    Refuse(400, "无法读取的请求");
  }

  void Answer() {
    StartAnswering();
    const HttpRequest request = parser_->release();
    response_ = Respond(request, context_.hosts, context_.sources, context_.log);
    keepAlive_ = request.keep_alive() && !context_.stopping;
    response_.keep_alive(keepAlive_);
    Log(std::string(request.method_string()) + " " + Printable(request.target()));
    Write();
  }

  // A request that broke a limit: its page, then the connection ends.
  void Refuse(int status, const std::string& message) {
    response_ = PageResponse(ErrorPage(status, message));
    keepAlive_ = false;
    response_.keep_alive(false);
    Log("- -");
    StartAnswering();
    Write();
  }

  // A stop waits a little for the answers being written; Write counts
  // them off.
  void StartAnswering() {
    const std::lock_guard<std::mutex> hold(context_.lock);
    ++context_.answering;
  }

  void Log(const std::string& request) {
    context_.log(remote_ + " " + request + " " + std::to_string(response_.result_int()) + " " +
                 std::to_string(response_.body().size()));
  }

  void Write() {
    stream_.expires_after(kRequestTimeout);
    http::async_write(stream_, response_, [self = shared_from_this()](beast::error_code error, std::size_t) {
      {
        const std::lock_guard<std::mutex> hold(self->context_.lock);
        --self->context_.answering;
      }
      self->context_.done.notify_all();
      if (error) return self->Close();
      if (self->keepAlive_) return self->ReadRequest();
      self->Linger();
    });
  }

  // Ends the connection without losing the answer just sent: closing with
  // unread input would reset it, and the client could lose the answer
  // before reading it. So say we are done, then read what the client still
  // sends (a header or body over the limits) until it closes or a second passes.
  void Linger() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
    stream_.expires_after(kLingerTime);
    Drain();
  }

  void Drain() {
    buffer_.consume(buffer_.size());
    stream_.async_read_some(buffer_.prepare(4096), [self = shared_from_this()](beast::error_code error, std::size_t) {
      if (error) return self->Close();
      self->Drain();
    });
  }

  void Close() {
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.close();
  }

  const std::string remote_;
  beast::tcp_stream stream_;
  // Room for a whole header and body, and the start of a pipelined request.
  beast::flat_buffer buffer_{kMaxHeaderBytes + kMaxBodyBytes + 8 * 1024};
  std::optional<http::request_parser<http::string_body>> parser_;
  HttpResponse response_;
  bool keepAlive_ = false;
  ConnectionCount::Ticket ticket_;
  ServingContext& context_;
};

}  // namespace

void ServeConnection(tcp::socket socket, ConnectionCount::Ticket ticket, ServingContext& context) {
  std::make_shared<Connection>(std::move(socket), std::move(ticket), context)->ReadRequest();
}

void RefuseConnection(tcp::socket socket, ServingContext& context) {
  const std::string remote = RemoteAddress(socket);
  const Page page = ErrorPage(503, "连接过多，请稍后再试");
  HttpResponse response = PageResponse(page);
  response.keep_alive(false);
  std::ostringstream text;
  text << response;
  // A fresh socket has room for this short answer: one try, never a wait.
  beast::error_code ignored;
  socket.non_blocking(true, ignored);
  const std::string bytes = text.str();
  socket.write_some(net::buffer(bytes), ignored);
  socket.shutdown(tcp::socket::shutdown_both, ignored);
  socket.close(ignored);
  context.log(remote + " - - 503 " + std::to_string(page.body.size()));
}

}  // namespace velmora::services
