#pragma once
// Dialogs for window tests: messages are recorded (UTF-8), confirmations are
// answered No, and an input box answers what the test set beforehand.

#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "text/gbk.h"

namespace velmora::testing {

class RecordingDialogs : public Dialogs {
 public:
  std::vector<std::string> messages;
  std::optional<std::string> input;  // what the next input box answers (UTF-8)
  std::string inputCaption;

  void ShowMessage(const std::string& text) override { messages.push_back(GbkToUtf8(text)); }
  bool Confirm(const std::string&) override { return false; }
  std::optional<std::string> InputBox(const std::string& caption, const std::string&, const std::string&) override {
    inputCaption = GbkToUtf8(caption);
    if (!input) return std::nullopt;
    return Utf8ToGbk(*input);
  }
};

}  // namespace velmora::testing
