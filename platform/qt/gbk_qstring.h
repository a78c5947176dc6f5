#pragma once
// The crossing between the widgets' Unicode and the program's GBK texts.

#include <QString>
#include <string>

#include "text/gbk.h"

namespace velmora {

inline QString FromGbk(const std::string& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }
inline std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

}  // namespace velmora
