#include "app/text_box.h"

#include <QPlainTextEdit>
#include <QStringList>

#include "platform/qt/gbk_qstring.h"

namespace velmora {

void ShowFromTop(QPlainTextEdit* box, const LineBuffer& lines) {
  QStringList text;
  for (const std::string& line : lines.Lines()) text << FromGbk(line);
  box->setPlainText(text.join('\n'));
  box->moveCursor(QTextCursor::Start);
  box->ensureCursorVisible();
}

}  // namespace velmora
