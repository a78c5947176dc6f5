#include "refdb/settings_file.h"

#include <fstream>
#include <vector>

#include "platform/replace_file.h"

namespace velmora {
namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsSectionLine(const std::string& line) {
  const std::string trimmed = Trim(line);
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

std::string SectionName(const std::string& line) {
  const std::string trimmed = Trim(line);
  return Trim(trimmed.substr(1, trimmed.size() - 2));
}

// "key=value"; nothing for any other line.
std::optional<std::pair<std::string, std::string>> KeyValue(const std::string& line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return std::make_pair(Trim(line.substr(0, equals)), line.substr(equals + 1));
}

bool IsIgnorable(const std::string& line) {
  const std::string trimmed = Trim(line);
  return trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#';
}

}  // namespace

std::optional<std::string> SettingsFile::Read(const std::string& section, const std::string& key) const {
  const std::optional<std::vector<std::string>> lines = ReadLines(path_);
  if (!lines) return std::nullopt;
  bool inSection = false;
  for (const std::string& line : *lines) {
    if (IsIgnorable(line)) continue;
    if (IsSectionLine(line)) {
      inSection = SectionName(line) == section;
      continue;
    }
    // Lines that are no key=value pair mean nothing and are passed over.
    const auto pair = KeyValue(line);
    if (inSection && pair && pair->first == key) return Trim(pair->second);
  }
  return std::nullopt;
}

void SettingsFile::Write(const std::string& section, const std::string& key, const std::string& value) const {
  std::vector<std::string> lines = ReadLines(path_).value_or(std::vector<std::string>());
  // A value is one line: a pasted line break must not split it.
  std::string oneLine = value;
  for (char& c : oneLine) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const std::string entry = key + "=" + oneLine;
  std::optional<std::size_t> sectionLine;
  std::size_t sectionEnd = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!IsSectionLine(lines[i])) continue;
    if (sectionLine) {
      sectionEnd = i;
      break;
    }
    if (SectionName(lines[i]) == section) sectionLine = i;
  }
  if (!sectionLine) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    auto keyLine = lines.end();
    for (std::size_t i = *sectionLine + 1; i < sectionEnd && keyLine == lines.end(); ++i) {
      const auto pair = KeyValue(lines[i]);
      if (!IsIgnorable(lines[i]) && pair && pair->first == key) keyLine = lines.begin() + static_cast<long>(i);
    }
    if (keyLine != lines.end()) {
      *keyLine = entry;
    } else {
      lines.insert(lines.begin() + static_cast<long>(sectionEnd), entry);
    }
  }
  std::string content;
  for (const std::string& line : lines) content += line + "\r\n";
  ReplaceFile(path_, content);
}

std::string SettingsFilePath(const std::string& programFolder) { return programFolder + "data/ssdi.db"; }

}  // namespace velmora
