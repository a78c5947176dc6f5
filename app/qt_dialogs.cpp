#include "app/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "app/application.h"
#include "platform/qt/gbk_qstring.h"

namespace velmora {

void QtDialogs::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, ApplicationTitle(), FromGbkMessage(text));
}

bool QtDialogs::Confirm(const std::string& text) {
  return QMessageBox::question(parent_, ApplicationTitle(), FromGbkMessage(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                               const std::string& initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, FromGbk(caption), FromGbk(prompt), QLineEdit::Normal, FromGbk(initial), &ok);
  if (!ok) return std::nullopt;
  return ToGbk(text);
}

}  // namespace velmora
