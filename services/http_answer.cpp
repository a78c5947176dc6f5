#include "services/http_answer.h"

#include <algorithm>

#include "services/byte_range.h"
#include "services/form_text.h"
#include "services/routes.h"

namespace velmora::services {
namespace {

namespace http = boost::beast::http;

bool IsFormAddress(const std::string& path) {
  const std::vector<Route>& routes = RouteTable();
  return std::any_of(routes.begin(), routes.end(), [&path](const Route& route) { return route.pattern == path; });
}

Page Compute(const HttpRequest& request, const HostPolicy& hosts, const Sources& sources,
             const std::function<void(const std::string&)>& log) {
  const http::verb method = request.method();
  if (method != http::verb::get && method != http::verb::head && method != http::verb::post) {
    return ErrorPage(400, "不支持的请求方法 " + std::string(request.method_string()));
  }
  const std::string_view host = request[http::field::host];
  if (!hosts.Allows(host)) return ErrorPage(421, "本服务不应答发往这个主机名的请求");
  const std::string_view target = request.target();
  const std::size_t question = target.find('?');
  const std::string path = PercentDecoded(target.substr(0, question), false);
  std::multimap<std::string, std::string> fields;
  if (question != std::string_view::npos) AddFormFields(target.substr(question + 1), fields);
  if (method == http::verb::post) {
    if (!IsFormAddress(path)) return ErrorPage(404, "没有这个页面：" + path);
    if (request[http::field::content_type].starts_with("application/x-www-form-urlencoded")) {
      AddFormFields(request.body(), fields);
    }
  }
  try {
    return Answer(path, std::move(fields), std::string(host), sources);
  } catch (const std::exception& fault) {
    log(std::string("fault: ") + fault.what());
  } catch (...) {
    log("fault: unknown");
  }
  return ErrorPage(500, "服务暂时出错，请稍后再试");
}

}  // namespace

HttpResponse PageResponse(Page page) {
  HttpResponse response(static_cast<http::status>(page.status), kHttpVersion);
  response.set(http::field::content_type, page.contentType);
  response.body() = std::move(page.body);
  response.prepare_payload();
  return response;
}

HttpResponse Respond(const HttpRequest& request, const HostPolicy& hosts, const Sources& sources,
                     const std::function<void(const std::string&)>& log) {
  Page page = Compute(request, hosts, sources, log);
  const std::size_t size = page.body.size();
  // A range is taken only where HTTP allows it: on a GET, without If-Range
  // (which needs validators the service does not send).
  ByteSpan span;
  if (page.status == 200 && request.method() == http::verb::get && request.count(http::field::if_range) == 0) {
    span = RequestedSpan(request[http::field::range], size);
  }
  if (span.kind == ByteSpan::kUnsatisfiable) {
    HttpResponse refused = PageResponse(ErrorPage(416, "请求的字节范围不在文件之内（文件共 " + std::to_string(size) + " 字节）"));
    refused.set(http::field::content_range, "bytes */" + std::to_string(size));
    return refused;
  }
  if (span.kind == ByteSpan::kPart) {
    page.status = 206;
    page.body = page.body.substr(span.first, span.length);
  }
  HttpResponse response = PageResponse(std::move(page));
  if (span.kind == ByteSpan::kPart) {
    response.set(http::field::content_range, "bytes " + std::to_string(span.first) + "-" +
                                                 std::to_string(span.first + span.length - 1) + "/" + std::to_string(size));
  }
  if (request.method() == http::verb::head) response.body().clear();  // the length stays that of the GET answer
  return response;
}

}  // namespace velmora::services
