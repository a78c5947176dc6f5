// The line buffer that answer pages are cut in, under any sequence of
// operations (one byte picks each, the pieces between NUL bytes are their
// texts): lines never hold a line break once appended, the text form reads
// back to the same lines, a found line is the first that equals the marker,
// and replacing a text by itself changes nothing.

#include "fuzz/fuzz_input.h"
#include "online/line_buffer.h"
#include "text/gbk_bytes.h"

namespace velmora::fuzz {
namespace {

bool SameIgnoringAsciiCase(const std::string& line, std::string_view marker) {
  LineBuffer one;
  one.Append(line);
  return one.Count() == 1 && one.Find(marker) == 0;
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  LineBuffer buffer;
  LineBuffer other;
  other.Append("a\r\nb\r\nc");
  const std::vector<std::string> pieces = Pieces(Bytes(data, size));
  // Longer runs of operations repeat what shorter ones do and only cost time.
  constexpr size_t kMostOperations = 32;
  for (size_t i = 0; i < pieces.size() && i < kMostOperations; ++i) {
    const std::string& piece = pieces[i];
    const std::string text = piece.empty() ? std::string() : piece.substr(1);
    const std::string next = i + 1 < pieces.size() ? pieces[i + 1] : std::string();
    const int before = buffer.Count();
    switch (piece.empty() ? 0 : static_cast<unsigned char>(piece[0]) % 6) {
      case 0:
        buffer.Append(text);
        Check(buffer.Count() > before, "appending adds at least one line");
        break;
      case 1: {
        const int found = buffer.Find(text);
        Check(found >= -1 && found < buffer.Count(), "a found line is inside the buffer");
        if (found >= 0) {
          Check(buffer.Lines()[static_cast<size_t>(found)].size() == text.size(), "a found line has the marker's length");
        }
        for (int j = 0; j < (found < 0 ? buffer.Count() : found); ++j) {
          Check(!SameIgnoringAsciiCase(buffer.Lines()[static_cast<size_t>(j)], text), "no earlier line equals the marker");
        }
        break;
      }
      case 2: {
        const std::string whole = buffer.Text();
        buffer.ReplaceAll(text, text);
        Check(buffer.Text() == whole, "replacing a text by itself changes nothing");
        break;
      }
      case 3: {
        const bool absent = text.empty() || FindGbk(buffer.Text(), text) == std::string::npos;
        const std::string whole = buffer.Text();
        buffer.ReplaceAll(text, next);
        if (absent) Check(buffer.Text() == whole, "replacing an absent text changes nothing");
        break;
      }
      case 4: {
        const int first = text.empty() ? -1 : static_cast<signed char>(text[0]);
        const int last = next.empty() ? 3 : static_cast<signed char>(next[0]);
        buffer.AppendLines(other, first, last);
        Check(buffer.Count() == before + std::max(0, last - first + 1), "every line of the range is appended");
        break;
      }
      default:
        buffer.SetText(text);
        break;
    }
    for (int j = 0; j < buffer.Count(); ++j) {
      Check(buffer.Line(j).size() <= LineBuffer::kMaxLineBytes, "a line handed out is at most the longest");
    }
    Check(buffer.Line(-1).empty() && buffer.Line(buffer.Count()).empty(), "lines outside the buffer are empty");
    const std::vector<std::string> lines = buffer.Lines();
    buffer.SetText(buffer.Text());
    Check(buffer.Lines() == lines, "the text form reads back to the same lines");
  }
  return 0;
}
