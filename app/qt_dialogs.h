#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace velmora {

// Modal Qt message, confirmation and input boxes over a parent window.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowMessage(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override;

 private:
  QWidget* parent_;
};

}  // namespace velmora
