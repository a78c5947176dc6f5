#pragma once
// The list of GBK text lines in which answer pages are cut: appended texts are
// split at CR LF, lines are found by their whole text, and replacements run over
// the whole text at once.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class LineBuffer {
 public:
  // The longest line Line() hands out, in bytes.
  static constexpr std::size_t kMaxLineBytes = 4096;

  // Appends every piece of the text split at CR LF, so a text ending in CR LF
  // also appends an empty last line and the empty text appends one empty line.
  void Append(std::string_view text);
  int Count() const { return static_cast<int>(lines_.size()); }
  // Line i (0-based), at most kMaxLineBytes long; empty for an index outside the buffer.
  std::string Line(int i) const;
  // The index of the first line equal to the marker, ASCII letters compared
  // without regard to case (the bytes of double-byte characters exactly); -1 when none.
  int Find(std::string_view marker) const;
  // Every line followed by CR LF.
  std::string Text() const;
  // Replaces the content by the pieces of the text split at CR LF; a final CR LF
  // only ends the last line.
  void SetText(std::string_view text);
  // Every non-overlapping occurrence of `from`, left to right, becomes `to`;
  // an empty `from` changes nothing.
  void ReplaceAll(std::string_view from, std::string_view to);
  // Appends lines first .. last of another buffer (each read as Line() reads it);
  // nothing when last < first.
  void AppendLines(const LineBuffer& source, int first, int last);
  void Clear() { lines_.clear(); }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace velmora
