#pragma once
// The settings file: a GBK INI text with the values the program keeps between
// runs (section "setup", key "name", the last name tested; section "birth",
// the birth minute and place of readings/birth_details.h).

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

class SettingsFile {
 public:
  explicit SettingsFile(std::string path) : path_(std::move(path)) {}

  // The value (GBK, read as IniValue reads it), or nothing when the file, the
  // section or the key is missing. A file that exists but cannot be read is
  // no missing file: throws std::runtime_error with the file error.
  std::optional<std::string> Read(const std::string& section, const std::string& key) const;

  // Sets the value and keeps everything else in the file (see WithIniValue).
  // The new file is written beside the old one and renamed over it, so a
  // crash leaves either the old file or the new one; it keeps the old one's
  // mode, and a settings file that is a link is written at the link's target.
  // Throws std::runtime_error with the file error, also when the old file
  // cannot be read: it is then left as it is.
  void Write(const std::string& section, const std::string& key, const std::string& value) const;
  // Sets several values of a section in one replace, so they change together or not at all.
  void Write(const std::string& section, const std::vector<std::pair<std::string, std::string>>& values) const;

 private:
  std::string path_;
};

// "data/ssdi.db" in the program folder.
std::string SettingsFilePath(const std::string& programFolder);

}  // namespace velmora
