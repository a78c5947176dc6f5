#include "app/name_edit.h"

#include <QInputMethodEvent>
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

// Text an input method commits is typed text too.
void NameEdit::inputMethodEvent(QInputMethodEvent* event) {
  QString kept;
  for (const QChar character : event->commitString()) {
    if (!IsDiscardedNameKey(character.unicode())) kept += character;
  }
  if (kept != event->commitString()) event->setCommitString(kept);
  QLineEdit::inputMethodEvent(event);
}

// The box is left when the focus moves to another control of the window, not
// when a menu opens or another window takes the focus.
void NameEdit::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
    setText(FromGbk(NameOnLeave(ToGbk(text()))));
  }
  QLineEdit::focusOutEvent(event);
}

}  // namespace velmora
