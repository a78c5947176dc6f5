#include "app/name_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "platform/qt/gbk_qstring.h"
#include "readings/birth_profile.h"

namespace velmora {

NameEdit::NameEdit(QWidget* parent, std::function<bool(char32_t)> refused)
    : QLineEdit(parent), refused_(refused ? std::move(refused) : IsDiscardedNameKey) {}

void NameEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit EnterPressed();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && !event->matches(QKeySequence::Paste) && (refused_(typed.at(0).unicode()) || !Fits(typed))) {
    return;
  }
  QLineEdit::keyPressEvent(event);
}

bool NameEdit::Fits(const QString& typed) const {
  // Editing keys (backspace, delete, tab) bring their control characters.
  if (typedBytes_ == 0 || !typed.at(0).isPrint()) return true;
  QString after = text();
  after.replace(hasSelectedText() ? selectionStart() : cursorPosition(), selectedText().size(), typed);
  return ToGbk(after).size() <= typedBytes_;
}

// Text an input method commits is typed text too.
void NameEdit::inputMethodEvent(QInputMethodEvent* event) {
  QString kept;
  for (const QChar character : event->commitString()) {
    if (!refused_(character.unicode()) && Fits(kept + character)) kept += character;
  }
  if (kept != event->commitString()) event->setCommitString(kept);
  QLineEdit::inputMethodEvent(event);
}

void NameEdit::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) emit Left();
  QLineEdit::focusOutEvent(event);
}

}  // namespace velmora
