#pragma once
// The order in which equally good proposals are offered: a fixed 64-bit mix
// of the proposal's text (FNV-1a, then MurmurHash3's finaliser so that every
// byte moves every bit), so that a request always gets the same
// list and requests for other surnames or trades get other lists.

#include <cstdint>
#include <string_view>

namespace velmora::services {

inline std::uint64_t ProposalOrder(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdull;
  hash ^= hash >> 33;
  hash *= 0xc4ceb9fe1a85ec53ull;
  hash ^= hash >> 33;
  return hash;
}

}  // namespace velmora::services
