#pragma once
// The standard dialogs the program uses, behind an interface so that the logic
// around them runs in tests without anyone to answer. Texts are GBK.

#include <optional>
#include <string>

namespace velmora {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  // Yes (true) or No.
  virtual bool Confirm(const std::string& text) = 0;
  // The text entered, or nothing when the box was cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& initial) = 0;
};

}  // namespace velmora
