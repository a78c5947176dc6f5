#pragma once
// A name box: typed characters its rule refuses are dropped (pasted text is
// kept), Enter is announced, and so is leaving the box, so that its window
// can check what the box holds. The main window's name box refuses blanks,
// digits and Latin letters.

#include <QLineEdit>

#include <functional>

namespace velmora {

class NameEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NameEdit(QWidget* parent = nullptr, std::function<bool(char32_t typed)> refused = nullptr);

 signals:
  void EnterPressed();
  // The focus moved to another control of the window (not to a menu or
  // another window).
  void Left();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::function<bool(char32_t)> refused_;
};

}  // namespace velmora
