#include "platform/qt/browser_engine.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

#include "platform/qt/local_file_scheme.h"

namespace velmora {

void PrepareBrowserEngine() {
  RegisterLocalFileScheme();
  if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND")) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  }
}

}  // namespace velmora
