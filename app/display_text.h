#pragma once
// Texts with the line breaks the readings write (CR LF, or a CR alone) as a
// widget shows them.

#include <QString>
#include <string>

#include "platform/qt/gbk_qstring.h"

namespace velmora {

// A GBK text for a label: each CR LF and each lone CR becomes a line break.
inline QString DisplayText(const std::string& gbk) {
  QString text = FromGbk(gbk);
  text.replace("\r\n", "\n").replace('\r', '\n');
  return text;
}

}  // namespace velmora
