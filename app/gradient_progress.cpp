#include "app/gradient_progress.h"

#include <QLinearGradient>
#include <QPainter>

namespace velmora {

GradientProgress::GradientProgress(QWidget* parent) : QWidget(parent) {}

void GradientProgress::SetPosition(int position) {
  position_.Set(position);
  update();
}

void GradientProgress::SetMaximum(int maximum) {
  position_.SetMaximum(maximum);
  update();
}

void GradientProgress::Advance() {
  position_.Advance();
  update();
}

void GradientProgress::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0xe6, 0xe6, 0xe6));
  QLinearGradient fill(0, 0, width(), 0);
  fill.setColorAt(0, Qt::blue);
  fill.setColorAt(1, Qt::red);
  const qint64 filled = static_cast<qint64>(width()) * Position() / Maximum();
  painter.fillRect(QRect(0, 0, static_cast<int>(filled), height()), fill);
}

}  // namespace velmora
