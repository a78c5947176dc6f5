#pragma once
// Taking a fuzzer's bytes apart into the pieces a target feeds its parser,
// and stopping on a broken property with a message (libFuzzer then saves the
// input that broke it).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The pieces between NUL bytes.
inline std::vector<std::string> Pieces(std::string_view bytes) {
  std::vector<std::string> pieces;
  for (;;) {
    const size_t end = bytes.find('\0');
    pieces.emplace_back(bytes.substr(0, end));
    if (end == std::string_view::npos) return pieces;
    bytes.remove_prefix(end + 1);
  }
}

[[noreturn]] inline void Broken(const char* property) {
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

inline void Check(bool holds, const char* property) {
  if (!holds) Broken(property);
}

}  // namespace velmora::fuzz
