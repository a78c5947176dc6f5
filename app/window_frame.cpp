#include "app/window_frame.h"

#include <QWidget>

#include "app/gradient_progress.h"

namespace velmora {

GradientProgress* FrameWithProgressBar(QWidget* window, const QSize& size) {
  window->setFixedSize(size);
  window->setAttribute(Qt::WA_StyledBackground);
  window->setStyleSheet(QString("#%1 { background: #faf7f0; }").arg(window->objectName()));
  auto* bar = new GradientProgress(window);
  bar->setObjectName("GradProgress1");
  bar->setGeometry(0, 0, size.width(), 3);
  return bar;
}

}  // namespace velmora
