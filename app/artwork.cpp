#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace velmora {
namespace {

const QColor kInk(0x5a, 0x1e, 0x1e);
const QColor kGold(0xc8, 0x9b, 0x3c);

// A round seal with one character, the program's emblem.
void DrawSeal(QPainter& painter, const QRectF& box, const QString& character, const QColor& colour) {
  painter.setPen(QPen(colour, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(box.adjusted(1, 1, -1, -1));
  painter.drawEllipse(box.adjusted(5, 5, -5, -5));
  QFont font("Noto Serif CJK SC");
  font.setPixelSize(static_cast<int>(box.height() * 0.45));
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(box, Qt::AlignCenter, character);
}

}  // namespace

QPixmap LogoStrip(const QSize& size) {
  QPixmap pixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, size.width(), size.height());
  background.setColorAt(0, QColor(0x7a, 0x1f, 0x1f));
  background.setColorAt(1, QColor(0xb0, 0x3a, 0x2e));
  painter.fillRect(pixmap.rect(), background);
  DrawSeal(painter, QRectF(6, 6, size.height() - 12, size.height() - 12), "命", kGold);
  QFont title("Noto Serif CJK SC");
  title.setPixelSize(22);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(0xf6, 0xe7, 0xc1));
  painter.drawText(QRect(size.height(), 6, size.width() - size.height() - 4, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   "Velmora");
  QFont subtitle("Noto Sans CJK SC");
  subtitle.setPixelSize(12);
  painter.setFont(subtitle);
  painter.drawText(QRect(size.height(), 36, size.width() - size.height() - 4, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   "姓名 · 八字 · 命理");
  return pixmap;
}

QPixmap FootStrip(const QSize& size, const QString& text) {
  QPixmap pixmap(size);
  QPainter painter(&pixmap);
  QLinearGradient background(0, 0, 0, size.height());
  background.setColorAt(0, QColor(0xe8, 0xe2, 0xd6));
  background.setColorAt(1, QColor(0xd2, 0xc7, 0xb2));
  painter.fillRect(pixmap.rect(), background);
  painter.setPen(QPen(kGold, 1));
  painter.drawLine(0, 0, size.width(), 0);
  QFont font("Noto Sans CJK SC");
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(kInk);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
  return pixmap;
}

QIcon CommandIcon(const QString& caption, int index) {
  static const QColor kColours[] = {QColor(0xb0, 0x3a, 0x2e), QColor(0x2e, 0x6b, 0x4f), QColor(0x2f, 0x4f, 0x8b),
                                    QColor(0x8a, 0x5a, 0x1e), QColor(0x6b, 0x2e, 0x7a), QColor(0x1e, 0x6e, 0x7a)};
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor colour = kColours[index % 6];
  QRadialGradient fill(12, 10, 22);
  fill.setColorAt(0, colour.lighter(150));
  fill.setColorAt(1, colour);
  painter.setBrush(fill);
  painter.setPen(QPen(colour.darker(130), 1));
  painter.drawEllipse(QRectF(1, 1, 30, 30));
  QFont font("Noto Serif CJK SC");
  font.setPixelSize(17);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 0, 32, 31), Qt::AlignCenter, caption.left(1));
  return QIcon(pixmap);
}

}  // namespace velmora
