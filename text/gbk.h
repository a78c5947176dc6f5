#pragma once
// GBK is the code page of every text the program stores, compares or cuts by
// byte position. UTF-8 appears only at the edges (terminal, widgets, browser,
// database), and these two functions are the only crossing points.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Characters that GBK cannot hold become "?" (one per character); so does
// each byte that is not part of a well-formed UTF-8 character, and the
// characters after it are kept.
std::string Utf8ToGbk(std::string_view utf8);
// A pair of bytes that is no GBK character becomes "?", and so does each
// stray byte; the characters after it are kept.
std::string GbkToUtf8(std::string_view gbk);

namespace detail {
template <std::size_t N>
struct Utf8Literal {
  char text[N];
  constexpr Utf8Literal(const char (&s)[N]) { std::copy_n(s, N, text); }
};
}  // namespace detail

// "正月"_gbk: a UTF-8 literal in the source, converted once to its GBK bytes.
// Each distinct literal is its own instantiation with its own converted copy.
template <detail::Utf8Literal L>
const std::string& operator""_gbk() {
  static const std::string converted =
      Utf8ToGbk(std::string_view(L.text, sizeof(L.text) - 1));
  return converted;
}

}  // namespace velmora
