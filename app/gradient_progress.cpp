#include "app/gradient_progress.h"

#include <QLinearGradient>
#include <QPainter>

namespace velmora {

GradientProgress::GradientProgress(QWidget* parent) : QWidget(parent) {}

void GradientProgress::SetPosition(int position) {
  position_ = std::clamp(position, 0, 100);
  update();
}

void GradientProgress::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0xe6, 0xe6, 0xe6));
  QLinearGradient fill(0, 0, width(), 0);
  fill.setColorAt(0, Qt::blue);
  fill.setColorAt(1, Qt::red);
  painter.fillRect(QRect(0, 0, width() * position_ / 100, height()), fill);
}

}  // namespace velmora
