#include "app/name_edit.h"

#include <QKeyEvent>

#include "platform/qt/gbk_qstring.h"
#include "readings/birth_profile.h"

namespace velmora {

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent) {}

void NameEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit EnterPressed();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && !event->matches(QKeySequence::Paste) && IsDiscardedNameKey(typed.at(0).unicode())) return;
  QLineEdit::keyPressEvent(event);
}

void NameEdit::focusOutEvent(QFocusEvent* event) {
  setText(FromGbk(NameOnLeave(ToGbk(text()))));
  QLineEdit::focusOutEvent(event);
}

}  // namespace velmora
