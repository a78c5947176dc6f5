#pragma once
// The settings file: a GBK INI text with one value the program keeps between
// runs (section "setup", key "name", the last name tested).

#include <optional>
#include <string>

namespace velmora {

class SettingsFile {
 public:
  explicit SettingsFile(std::string path) : path_(std::move(path)) {}

  // The value without blanks around it, or nothing when the file, the section
  // or the key is missing; lines that are no INI text are passed over.
  std::optional<std::string> Read(const std::string& section, const std::string& key) const;

  // Sets the value (line breaks in it become blanks) and keeps everything else
  // in the file. The new file is
  // written beside the old one and renamed over it, so a crash leaves either
  // the old file or the new one. Throws std::runtime_error with the file error.
  void Write(const std::string& section, const std::string& key, const std::string& value) const;

 private:
  std::string path_;
};

// "data/ssdi.db" in the program folder.
std::string SettingsFilePath(const std::string& programFolder);

}  // namespace velmora
