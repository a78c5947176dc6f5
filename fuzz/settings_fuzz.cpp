// The settings file's INI text: any content, a section and key chosen by the
// first byte (in any letter case), and a value. Writing a value and reading
// it back gives the value, and no other value of the file changes.

#include "fuzz/fuzz_input.h"
#include "refdb/ini_text.h"
#include "text/gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  if (size == 0) return 0;
  static const char* const kSections[] = {"setup", "SETUP", "other", "\x81\x41"};
  static const char* const kKeys[] = {"name", "Name", "k", "\x81\x61"};
  const std::string section = kSections[data[0] & 3];
  const std::string key = kKeys[(data[0] >> 2) & 3];
  const std::vector<std::string> pieces = Pieces(Bytes(data + 1, size - 1));
  const std::string& content = pieces[0];
  const std::string value = pieces.size() > 1 ? pieces[1] : std::string();

  const std::string written = WithIniValue(content, section, key, value);
  std::string expected = value;
  for (char& c : expected) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  // A UTF-8 file holds the value in UTF-8: only what GBK can say comes back.
  const bool utf8File = content.rfind("\xEF\xBB\xBF", 0) == 0;
  if (!utf8File || Utf8ToGbk(GbkToUtf8(expected)) == expected) {
    Check(IniValue(written, section, key) == expected, "a written value reads back");
  }
  // Three other settings: another key of the section, the key in another
  // section, and both (the same names in another letter case are the same).
  const std::string otherSection = kSections[(data[0] >> 4) & 3], otherKey = kKeys[(data[0] >> 6) & 3];
  const std::pair<std::string, std::string> others[] = {{section, otherKey}, {otherSection, key}, {otherSection, otherKey}};
  for (const auto& [s, k] : others) {
    if (IniValue("[" + section + "]\n" + key + "=1", s, k)) continue;
    Check(IniValue(written, s, k) == IniValue(content, s, k), "writing one value leaves every other value as it was");
  }
  Check(WithIniValue(written, section, key, value) == written, "writing the same value again changes nothing");
  return 0;
}
