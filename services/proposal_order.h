#pragma once
// The order in which equally good proposals are offered: a fixed 64-bit mix
// of what the proposal is made of (FNV-1a over a text, then MurmurHash3's
// finaliser so that every byte moves every bit), so that a request always
// gets the same list and requests for other surnames or trades get other lists.

#include <cstdint>
#include <string_view>

namespace velmora::services {

inline std::uint64_t MixedBits(std::uint64_t hash) {
  hash ^= hash >> 33;
  hash *= 0xff51afd7ed558ccdull;
  hash ^= hash >> 33;
  hash *= 0xc4ceb9fe1a85ec53ull;
  hash ^= hash >> 33;
  return hash;
}

inline std::uint64_t ProposalOrder(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return MixedBits(hash);
}

// The order of a proposal made of a numbered part, given the order of what
// it was made for.
inline std::uint64_t ProposalOrder(std::uint64_t seed, std::uint64_t part) {
  return MixedBits(seed ^ MixedBits(part + 0x9e3779b97f4a7c15ull));
}

}  // namespace velmora::services
