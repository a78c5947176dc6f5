#pragma once
// The program's pictures, drawn as vector art at run time: the logo strip, the
// foot strips and the command-bar icons.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace velmora {

QPixmap LogoStrip(const QSize& size);
QPixmap FootStrip(const QSize& size, const QString& text);
// An icon for a command-bar button, drawn from the first character of its caption.
QIcon CommandIcon(const QString& caption, int index);

}  // namespace velmora
