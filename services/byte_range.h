#pragma once
// The part of an answer a Range header asks for. One part at most ever goes
// out: several ranges are joined into the one span that covers them all, so
// an answer is never longer than the file (a request naming thousands of
// small ranges must not multiply it), and no multipart answer is made.

#include <cstddef>
#include <string_view>

namespace velmora::services {

struct ByteSpan {
  enum Kind {
    kWhole,          // no usable Range header: the whole answer, status 200
    kPart,           // bytes [first, first + length), status 206
    kUnsatisfiable,  // no range lies within the answer: status 416
  };
  Kind kind = kWhole;
  std::size_t first = 0;
  std::size_t length = 0;
};

// The span of an answer of `size` bytes that the Range header value asks for
// ("bytes=0-99", "bytes=100-", "bytes=-100", or a comma list of them). A value
// that is empty, of another unit or not well formed is ignored (kWhole), as
// HTTP allows.
ByteSpan RequestedSpan(std::string_view range, std::size_t size);

}  // namespace velmora::services
