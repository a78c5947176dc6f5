#pragma once
// The name box: typed blanks, digits and Latin letters are dropped (pasted
// text is kept), Enter runs the name reading, and leaving the box cuts the
// name to 8 bytes or replaces a too short one with "输入有误".

#include <QLineEdit>

namespace velmora {

class NameEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NameEdit(QWidget* parent = nullptr);

 signals:
  void EnterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace velmora
