#include "online/line_buffer.h"

#include "text/gbk_bytes.h"

namespace velmora {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool IsAsciiLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

// Walks both texts character by character so that the trail byte of a GBK
// character is never folded as if it were a letter.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (IsGbkLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (x == y) continue;
    if (!IsAsciiLetter(x) || (x | 0x20) != (y | 0x20)) return false;
  }
  return true;
}

}  // namespace

void LineBuffer::Append(std::string_view text) {
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(kLineBreak, start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      return;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end + kLineBreak.size();
  }
}

std::string LineBuffer::Line(int i) const {
  if (i < 0 || i >= Count()) return {};
  const std::string& line = lines_[static_cast<std::size_t>(i)];
  return line.substr(0, kMaxLineBytes);
}

int LineBuffer::Find(std::string_view marker) const {
  for (int i = 0; i < Count(); ++i) {
    if (EqualIgnoringCase(lines_[static_cast<std::size_t>(i)], marker)) return i;
  }
  return -1;
}

std::string LineBuffer::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += kLineBreak;
  }
  return text;
}

void LineBuffer::SetText(std::string_view text) {
  lines_.clear();
  if (text.empty()) return;
  if (text.ends_with(kLineBreak)) text.remove_suffix(kLineBreak.size());
  Append(text);
}

void LineBuffer::ReplaceAll(std::string_view from, std::string_view to) {
  if (from.empty()) return;
  const std::string text = Text();
  std::string replaced;
  replaced.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t hit; (hit = FindGbk(text, from, start)) != std::string::npos; start = hit + from.size()) {
    replaced.append(text, start, hit - start);
    replaced += to;
  }
  replaced.append(text, start);
  SetText(replaced);
}

void LineBuffer::AppendLines(const LineBuffer& source, int first, int last) {
  for (int i = first; i <= last; ++i) lines_.push_back(source.Line(i));
}

}  // namespace velmora
