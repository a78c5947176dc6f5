#pragma once
// One HTTP request read whole, answered with one of the service's pages: the
// methods, the Host check, query and form fields, ranges and HEAD. No socket
// here, so the tests call it directly.

#include <boost/beast/http/message.hpp>
#include <boost/beast/http/string_body.hpp>
#include <functional>
#include <string>

#include "services/host_check.h"
#include "services/page.h"
#include "services/sources.h"

namespace velmora::services {

using HttpRequest = boost::beast::http::request<boost::beast::http::string_body>;
using HttpResponse = boost::beast::http::response<boost::beast::http::string_body>;

// GET and HEAD reach every address, POST the fixed addresses forms send to
// (its form fields joined to those of the query); other methods get the 400
// page, a Host the policy refuses the 421 page. A fault inside a handler is
// told to the log and answered with a 500 page that tells nothing of it.
// Throws nothing.
HttpResponse Respond(const HttpRequest& request, const HostPolicy& hosts, const Sources& sources,
                     const std::function<void(const std::string& line)>& log);

// Answers are HTTP/1.1 whatever the request's version, the highest this
// service speaks (an HTTP/1.0 client reads them as its own).
inline constexpr unsigned kHttpVersion = 11;

// The page as an HTTP answer, with its length and type.
HttpResponse PageResponse(Page page);

}  // namespace velmora::services
