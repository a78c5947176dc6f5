#pragma once
// The fields of one request as a handler reads them: decoded parameters (GBK
// bytes, whether they came percent-encoded or raw), the host the request was
// sent to, and the parts of the address its route captured. Every accessor
// that cannot give a usable value throws BadRequest naming the field.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora::services {

class Query {
 public:
  Query() = default;
  Query(std::multimap<std::string, std::string> parameters, std::string host, std::vector<std::string> captures = {})
      : parameters_(std::move(parameters)), host_(std::move(host)), captures_(std::move(captures)) {}

  // The first value of the parameter as GBK text; throws when it is missing,
  // not GBK, or holds control characters.
  std::string Text(const std::string& name) const;
  // As Text, but nothing when the parameter is missing.
  std::optional<std::string> OptionalText(const std::string& name) const;
  // The parameter as a decimal number (digits only, blanks around allowed)
  // within [low, high].
  int Integer(const std::string& name, int low, int high) const;

  // Every parameter as decoded (bytes as sent).
  const std::multimap<std::string, std::string>& Parameters() const { return parameters_; }
  // The Host header as sent, such as "127.0.0.1:41234"; titles name it.
  const std::string& Host() const { return host_; }
  // Part i of the address that the route's pattern captured.
  const std::string& Capture(std::size_t i) const { return captures_.at(i); }

 private:
  std::multimap<std::string, std::string> parameters_;
  std::string host_;
  std::vector<std::string> captures_;
};

}  // namespace velmora::services
