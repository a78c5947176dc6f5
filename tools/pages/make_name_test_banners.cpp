// Draws the two 680x115 banners of the name-test answer page:
//   make_name_test_banners FOLDER
// writes FOLDER/1.jpg (the heading banner) and FOLDER/23.jpg (the closing
// banner). Runs without a display.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <iostream>

namespace {

const QSize kBannerSize(680, 115);
const QColor kGold(0xe8, 0xc8, 0x7a);

QFont Serif(int pixelSize, bool bold) {
  QFont font(QString::fromUtf8("Noto Serif CJK TC"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// A dark red field framed by two gold rules, with a large line and a small one.
QImage Banner(const QString& title, const QString& subtitle, const QColor& top, const QColor& bottom) {
  QImage image(kBannerSize, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient field(0, 0, 0, kBannerSize.height());
  field.setColorAt(0, top);
  field.setColorAt(1, bottom);
  painter.fillRect(image.rect(), field);
  painter.setPen(QPen(kGold, 2));
  painter.drawRect(image.rect().adjusted(6, 6, -7, -7));
  painter.setPen(QPen(kGold, 1));
  painter.drawRect(image.rect().adjusted(11, 11, -12, -12));
  painter.setPen(QColor(0xfb, 0xee, 0xc8));
  painter.setFont(Serif(36, true));
  painter.drawText(QRect(0, 14, kBannerSize.width(), 58), Qt::AlignCenter, title);
  painter.setPen(kGold);
  painter.setFont(Serif(15, false));
  painter.drawText(QRect(0, 72, kBannerSize.width(), 28), Qt::AlignCenter, subtitle);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_name_test_banners FOLDER\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QImage heading = Banner(QString::fromUtf8("超準形家姓名學論斷"),
                                QString::fromUtf8("以人格為我 · 論五格生剋 · 斷長上配偶朋友晚年"),
                                QColor(0x8a, 0x22, 0x1c), QColor(0x5c, 0x12, 0x10));
  const QImage closing = Banner(QString::fromUtf8("形家姓名學"),
                                QString::fromUtf8("天格 · 人格 · 地格 · 外格 · 總格　生我 · 我生 · 剋我 · 我剋 · 比和"),
                                QColor(0x5c, 0x12, 0x10), QColor(0x3a, 0x0c, 0x0a));
  if (!heading.save(folder + "/1.jpg", "JPG", 90) || !closing.save(folder + "/23.jpg", "JPG", 90)) {
    std::cerr << "make_name_test_banners: cannot write the pictures into " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
