#pragma once
// The derived values the readings keep between commands (the main window's
// value labels), as named GBK texts with their start-up texts.

#include <map>
#include <string>

namespace velmora {

class ValueLabels {
 public:
  ValueLabels();
  // The text of a label; unknown labels read as empty.
  const std::string& Get(const std::string& label) const;
  void Set(const std::string& label, std::string text);

 private:
  std::map<std::string, std::string> texts_;
};

}  // namespace velmora
