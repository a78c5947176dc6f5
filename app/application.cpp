#include "app/application.h"

#include <QGuiApplication>

namespace velmora {

QString ApplicationTitle() { return QString::fromUtf8("电脑Velmora"); }

void SetUpApplication(QGuiApplication& application) { application.setDesktopFileName("org.velmora.Velmora"); }

}  // namespace velmora
