#include "app/side_bar_menu.h"

#include <QLinearGradient>
#include <QPainter>

namespace velmora {
namespace {
constexpr int kBarWidth = 20;
}

SideBarMenu::SideBarMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
  setContentsMargins(kBarWidth, 0, 0, 0);
  setStyleSheet(
      "QMenu { background: #fbfbf8; border: 1px solid #9a9a9a; }"
      "QMenu::item { padding: 4px 24px 4px 12px; }"
      "QMenu::item:selected { background: #d9e4f2; color: black; }"
      "QMenu::separator { height: 1px; background: #c8c8c8; margin: 3px 6px; }");
}

void SideBarMenu::paintEvent(QPaintEvent* event) {
  QMenu::paintEvent(event);
  QPainter painter(this);
  const QRect bar(1, 1, kBarWidth, height() - 2);
  QLinearGradient shade(0, bar.bottom(), 0, bar.top());
  shade.setColorAt(0, QColor(0x8c, 0x8c, 0x8c));
  shade.setColorAt(1, Qt::white);
  painter.fillRect(bar, shade);
  painter.translate(bar.left() + kBarWidth - 5, bar.bottom() - 6);
  painter.rotate(-90);
  QFont font = this->font();
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(13);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(0, 0, "Tessaly");
}

}  // namespace velmora
