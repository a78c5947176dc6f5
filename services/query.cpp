#include "services/query.h"

#include <algorithm>
#include <charconv>

#include "services/page.h"
#include "text/gbk.h"
#include "text/gbk_check.h"

namespace velmora::services {

std::optional<std::string> Query::OptionalText(const std::string& name) const {
  const auto found = parameters_.find(name);
  if (found == parameters_.end()) return std::nullopt;
  const std::string& value = found->second;
  if (!IsValidGbk(value)) throw BadRequest("参数 " + name + " 不是 GBK 文字", name);
  if (std::any_of(value.begin(), value.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; })) {
    throw BadRequest("参数 " + name + " 含有控制字符", name);
  }
  return value;
}

std::string Query::Text(const std::string& name) const {
  std::optional<std::string> value = OptionalText(name);
  if (!value) throw BadRequest("缺少参数 " + name, name);
  return std::move(*value);
}

int Query::Integer(const std::string& name, int low, int high) const {
  const std::string text = Text(name);
  const std::size_t first = text.find_first_not_of(' ');
  const std::size_t last = text.find_last_not_of(' ');
  const std::string range = "参数 " + name + " 应为 " + std::to_string(low) + " 到 " + std::to_string(high) + " 之间的整数";
  if (first == std::string::npos) throw BadRequest(range, name);
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (!std::all_of(begin, end, [](char c) { return c >= '0' && c <= '9'; })) throw BadRequest(range, name);
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || value < low || value > high) throw BadRequest(range, name);
  return value;
}

}  // namespace velmora::services
