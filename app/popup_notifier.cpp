#include "app/popup_notifier.h"

#include <QPropertyAnimation>

namespace velmora {
namespace {
constexpr int kSlideMs = 400;
constexpr int kStayMs = 5000;
const QPoint kScreenPosition(250, 250);
}  // namespace

PopupNotifier::PopupNotifier(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint), slide_(new QPropertyAnimation(this, "pos", this)) {
  setFixedSize(220, 90);
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setStyleSheet("background: #fffbe6; border: 1px solid #c89b3c; color: #5a1e1e; padding: 8px;");
  stay_.setSingleShot(true);
  connect(&stay_, &QTimer::timeout, this, &QWidget::hide);
  slide_->setDuration(kSlideMs);
}

void PopupNotifier::ShowMessage(const QString& text) {
  setText(text);
  slide_->setStartValue(kScreenPosition + QPoint(0, height()));
  slide_->setEndValue(kScreenPosition);
  show();
  slide_->start();
  stay_.start(kSlideMs + kStayMs);
}

void PopupNotifier::mousePressEvent(QMouseEvent*) {
  stay_.stop();
  hide();
}

}  // namespace velmora
