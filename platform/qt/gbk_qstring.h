#pragma once
// The crossing between the widgets' Unicode and the program's GBK texts.

#include <QString>
#include <string>

#include "text/gbk.h"

namespace velmora {

inline QString FromGbk(const std::string& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }
inline std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

// A message for a box or label: CR LF and a lone CR each break the line, as
// the messages are written.
inline QString FromGbkMessage(const std::string& gbk) {
  return FromGbk(gbk).replace("\r\n", "\n").replace('\r', '\n');
}

}  // namespace velmora
