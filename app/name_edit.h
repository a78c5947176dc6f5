#pragma once
// A name box: typed characters its rule refuses are dropped (pasted text is
// kept), and so are those beyond its length in GBK bytes when it has one;
// Enter is announced, and so is leaving the box, so that its window can check
// what the box holds. The main window's name box refuses blanks, digits and
// Latin letters.

#include <QLineEdit>

#include <cstddef>
#include <functional>

namespace velmora {

class NameEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NameEdit(QWidget* parent = nullptr, std::function<bool(char32_t typed)> refused = nullptr);

  // Typing stops at this many GBK bytes; pasted text is not cut here.
  void LimitTypedBytes(std::size_t bytes) { typedBytes_ = bytes; }

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
  // Whether the box still holds no more than its bytes once the typed text
  // has replaced the selection.
  bool Fits(const QString& typed) const;

  std::function<bool(char32_t)> refused_;
  std::size_t typedBytes_ = 0;  // 0: no limit
};

}  // namespace velmora
