#pragma once
// One answer of the service: its status and its GBK text in file form, and
// the pages it answers with when it cannot serve a request.

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::services {

inline constexpr const char* kHtmlType = "text/html; charset=gbk";

struct Page {
  int status = 200;
  std::string body;  // GBK for pages; bytes as they are for pictures and scripts
  std::string contentType = kHtmlType;
};

// A request the service cannot read: a parameter missing, out of range or not
// GBK text. The message is UTF-8 and names the parameter; `Field` is its name
// where one parameter is at fault (the JSON answers report it apart).
class BadRequest : public std::runtime_error {
 public:
  explicit BadRequest(const std::string& message, std::string field = {})
      : std::runtime_error(message), field_(std::move(field)) {}
  const std::string& Field() const { return field_; }

 private:
  std::string field_;
};

// The page of the given lines (GBK), each followed by CR LF.
Page HtmlPage(const std::vector<std::string>& lines);

// A short page titled after the failure, never after a reading, with the
// message (UTF-8) shown on it: 400 for a bad request, 404 for an unknown
// address, 413 for a body and 431 for a header block over the limits, 416 for a
// range outside the file, 421 for a Host the service does not answer, 503 for a
// connection over the limits, 500 for a fault of the service itself.
Page ErrorPage(int status, const std::string& message);

}  // namespace velmora::services
