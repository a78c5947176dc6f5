#include "refdb/ini_text.h"

#include <vector>

#include "text/gbk.h"
#include "text/text_lines.h"

namespace velmora {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct IniLines {
  bool utf8 = false;
  std::vector<std::string> lines;  // in the content's own encoding
};

IniLines SplitIni(std::string_view content) {
  IniLines ini;
  ini.utf8 = content.substr(0, kUtf8Mark.size()) == kUtf8Mark;
  if (ini.utf8) content.remove_prefix(kUtf8Mark.size());
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\r' && content[i] != '\n') {
      line += content[i];
      continue;
    }
    if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    ini.lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) ini.lines.push_back(std::move(line));
  return ini;
}

std::string Trim(std::string_view text) { return std::string(TrimmedBlanks(text)); }

std::string Unquoted(std::string text) {
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

// A value as reading gives it back.
std::string ValueAsRead(std::string_view written) { return Unquoted(Trim(written)); }

char Folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Equal without regard to the case of Latin letters; the two bytes of a GBK
// character are compared as they are, even when the second is a letter.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (static_cast<unsigned char>(a[i]) >= 0x81 && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (Folded(a[i]) != Folded(b[i])) {
      return false;
    }
  }
  return true;
}

bool IsIgnorable(const std::string& line) {
  const std::string trimmed = Trim(line);
  return trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#';
}

// The section a line opens, or nothing for any other line.
std::optional<std::string> SectionOf(const std::string& line) {
  const std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  return Trim(std::string_view(trimmed).substr(1, trimmed.size() - 2));
}

// Whether a line (GBK) sets `key`; the value is everything after the first "=".
bool SetsKey(const std::string& line, std::string_view key, std::string* value = nullptr) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos || IsIgnorable(line) || !SameName(Trim(line.substr(0, equals)), key)) return false;
  if (value) *value = line.substr(equals + 1);
  return true;
}

}  // namespace

std::optional<std::string> IniValue(std::string_view content, std::string_view section, std::string_view key) {
  const IniLines ini = SplitIni(content);
  bool inSection = false;
  for (const std::string& raw : ini.lines) {
    const std::string line = ini.utf8 ? Utf8ToGbk(raw) : raw;
    if (const std::optional<std::string> name = SectionOf(line)) {
      inSection = SameName(*name, section);
      continue;
    }
    // Lines that are no key=value pair mean nothing and are passed over.
    std::string value;
    if (inSection && SetsKey(line, key, &value)) return ValueAsRead(value);
  }
  return std::nullopt;
}

std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value) {
  IniLines ini = SplitIni(content);
  // A value is one line: a pasted line break must not split it.
  std::string oneLine(value);
  for (char& c : oneLine) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (ValueAsRead(oneLine) != oneLine) oneLine = std::string(1, '"').append(oneLine).append(1, '"');
  const std::string entryGbk = std::string(key) + "=" + oneLine;
  const std::string entry = ini.utf8 ? GbkToUtf8(entryGbk) : entryGbk;

  const auto gbk = [&](const std::string& line) { return ini.utf8 ? Utf8ToGbk(line) : line; };
  std::optional<std::size_t> sectionLine;
  std::size_t sectionEnd = ini.lines.size();
  for (std::size_t i = 0; i < ini.lines.size(); ++i) {
    const std::optional<std::string> name = SectionOf(gbk(ini.lines[i]));
    if (!name) continue;
    if (sectionLine) {
      sectionEnd = i;
      break;
    }
    if (SameName(*name, section)) sectionLine = i;
  }
  if (!sectionLine) {
    const std::string header = std::string(1, '[').append(section).append(1, ']');
    ini.lines.push_back(ini.utf8 ? GbkToUtf8(header) : header);
    ini.lines.push_back(entry);
  } else {
    std::size_t keyLine = *sectionLine + 1;
    while (keyLine < sectionEnd && !SetsKey(gbk(ini.lines[keyLine]), key)) ++keyLine;
    if (keyLine < sectionEnd) {
      ini.lines[keyLine] = entry;
    } else {
      ini.lines.insert(ini.lines.begin() + static_cast<long>(sectionEnd), entry);
    }
  }
  std::string text(ini.utf8 ? kUtf8Mark : std::string_view());
  for (const std::string& line : ini.lines) text += line + "\r\n";
  return text;
}

}  // namespace velmora
