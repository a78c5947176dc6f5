#include "text/gbk.h"
#include "text/utf8.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace velmora {
namespace {

// One converter per direction and thread; iconv_open is far dearer than a conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // skipLength tells how many bytes at the start of the rest of the input
  // make up the character that failed: a whole character that the other code
  // page lacks, or one bad byte, so the characters after it stay.
  std::string Convert(std::string_view in, std::size_t (*skipLength)(std::string_view rest)) {
    std::string out;
    out.reserve(in.size() * 2);
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof(buffer);
      const std::size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unmappable or broken character.
      const std::size_t skip = skipLength(std::string_view(inPtr, inLeft));
      out.push_back('?');
      inPtr += skip;
      inLeft -= skip;
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t handle_;
};

// A lead byte with a byte that can follow it is a whole (unmapped) character.
std::size_t GbkSkipLength(std::string_view rest) {
  if (rest.size() < 2) return 1;
  const auto lead = static_cast<unsigned char>(rest[0]), trail = static_cast<unsigned char>(rest[1]);
  const bool pair = lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
  return pair ? 2 : 1;
}

std::size_t Utf8SkipLength(std::string_view rest) { return std::max<std::size_t>(1, Utf8CharacterLength(rest)); }

// iconv drops the Unicode tag characters U+E0000..U+E007F without a word;
// like every other character GBK lacks, each becomes "?" instead.
std::string WithTagCharactersMarked(std::string_view utf8) {
  std::string marked;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Utf8SkipLength(utf8.substr(i));
    const std::string_view character = utf8.substr(i, length);
    const bool tag = length == 4 && character.starts_with("\xF3\xA0") &&
                     (character[2] == '\x80' || character[2] == '\x81');
    marked += tag ? std::string_view("?") : character;
    i += length;
  }
  return marked;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  thread_local Converter converter("GBK", "UTF-8");
  if (utf8.find("\xF3\xA0") != std::string_view::npos) {
    return converter.Convert(WithTagCharactersMarked(utf8), Utf8SkipLength);
  }
  return converter.Convert(utf8, Utf8SkipLength);
}

std::string GbkToUtf8(std::string_view gbk) {
  thread_local Converter converter("UTF-8", "GBK");
  return converter.Convert(gbk, GbkSkipLength);
}

}  // namespace velmora
