#include "app/gender_panel.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>

#include "app/tform7.h"
#include "platform/qt/gbk_qstring.h"
#include "readings/baby_gender.h"

namespace velmora {
namespace {

const QSize kPanelSize(583, 432);
const QSize kPictureSize(150, 150);
const QColor kBoyAccent(0x4a, 0x8f, 0xd9);
const QColor kGirlAccent(0xf0, 0x6e, 0x9c);

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

// The label breaks lines at LF only; the core's texts break theirs with CR or CR LF.
QString LabelText(const std::string& gbk) { return FromGbk(gbk).replace("\r\n", "\n").replace('\r', '\n'); }

QLabel* Caption(QWidget* parent, const char* name, const char* text, const QPoint& at, int pixelSize = 13,
                bool bold = false) {
  auto* label = new QLabel(Qt8(text), parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  label->adjustSize();
  label->move(at);
  return label;
}

QComboBox* NumberDropDown(QWidget* parent, const char* name, int first, int last, const QRect& geometry) {
  QStringList items;
  for (int number = first; number <= last; ++number) items << QString::number(number);
  return EditableDropDown(parent, name, items, geometry);
}

QPushButton* QueryButton(QWidget* parent, const char* name, const QRect& geometry) {
  auto* button = new QPushButton(Qt8("开始查询"), parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  return button;
}

QPushButton* LinkButton(QWidget* parent, const char* name, const char* text, const QPoint& at) {
  auto* button = new QPushButton(Qt8(text), parent);
  button->setObjectName(name);
  button->setFlat(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setStyleSheet(
      "QPushButton { color: #1a5fb4; text-decoration: underline; border: none; background: transparent; }"
      "QPushButton:hover { color: #c0282d; }");
  button->adjustSize();
  button->move(at);
  return button;
}

// A round baby face; boys wear a cap, girls a bow and a curl.
void DrawBaby(QPainter& painter, const QRectF& face, const QColor& accent, bool girl) {
  const qreal d = face.width();
  const auto at = [&](qreal x, qreal y) { return QPointF(face.left() + x * d, face.top() + y * d); };
  const QColor skin(0xff, 0xe2, 0xcc);
  const QColor outline(0xd9, 0xa2, 0x80);

  painter.setPen(QPen(outline, d * 0.025));
  painter.setBrush(skin);
  for (qreal x : {0.0, 1.0}) painter.drawEllipse(at(x, 0.52), d * 0.09, d * 0.1);
  painter.drawEllipse(face);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xff, 0x8f, 0x8f, 110));
  for (qreal x : {0.24, 0.76}) painter.drawEllipse(at(x, 0.66), d * 0.085, d * 0.055);
  painter.setBrush(QColor(0x3b, 0x2a, 0x2a));
  for (qreal x : {0.35, 0.65}) painter.drawEllipse(at(x, 0.52), d * 0.05, d * 0.055);
  painter.setBrush(Qt::white);
  for (qreal x : {0.365, 0.665}) painter.drawEllipse(at(x, 0.505), d * 0.016, d * 0.016);

  painter.setPen(QPen(QColor(0xc0, 0x4a, 0x4a), d * 0.03, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(at(0.41, 0.56), QSizeF(d * 0.18, d * 0.16)), 200 * 16, 140 * 16);

  if (girl) {
    QPainterPath curl(at(0.5, 0.03));
    curl.cubicTo(at(0.42, 0.14), at(0.58, 0.2), at(0.56, 0.1));
    painter.setPen(QPen(outline.darker(130), d * 0.03, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curl);
    painter.setPen(QPen(accent.darker(120), d * 0.015));
    painter.setBrush(accent);
    painter.drawEllipse(at(0.66, 0.06), d * 0.1, d * 0.07);
    painter.drawEllipse(at(0.88, 0.1), d * 0.1, d * 0.07);
    painter.setBrush(accent.lighter(120));
    painter.drawEllipse(at(0.77, 0.08), d * 0.045, d * 0.045);
  } else {
    painter.setPen(QPen(accent.darker(120), d * 0.015));
    painter.setBrush(accent);
    painter.drawChord(QRectF(at(-0.02, -0.06), QSizeF(d * 1.04, d * 0.78)), 10 * 16, 160 * 16);
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(0.5, -0.06), d * 0.07, d * 0.07);
  }
}

enum class Babies { Pair, Boy, Girl };

QPixmap BabyPicture(Babies babies) {
  QPixmap picture(kPictureSize);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor glow = babies == Babies::Boy    ? kBoyAccent.lighter(160)
                      : babies == Babies::Girl ? kGirlAccent.lighter(150)
                                               : QColor(0xff, 0xef, 0xb0);
  QRadialGradient background(QPointF(75, 75), 75);
  background.setColorAt(0, glow);
  background.setColorAt(1, Qt::white);
  painter.setPen(Qt::NoPen);
  painter.setBrush(background);
  painter.drawEllipse(QRectF(0, 0, 150, 150));
  switch (babies) {
    case Babies::Pair:
      DrawBaby(painter, QRectF(14, 50, 62, 62), kBoyAccent, false);
      DrawBaby(painter, QRectF(76, 44, 62, 62), kGirlAccent, true);
      break;
    case Babies::Boy:
      DrawBaby(painter, QRectF(33, 38, 84, 84), kBoyAccent, false);
      break;
    case Babies::Girl:
      DrawBaby(painter, QRectF(33, 38, 84, 84), kGirlAccent, true);
      break;
  }
  return picture;
}

QLabel* Picture(QWidget* parent, const char* name, Babies babies) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(QRect(QPoint(400, 18), kPictureSize));
  label->setPixmap(BabyPicture(babies));
  return label;
}

}  // namespace

GenderPanel::GenderPanel(QWidget* parent, std::function<void()> playClickSound, Dialogs& dialogs,
                         std::function<TForm7&()> form7)
    : QWidget(parent),
      playClickSound_(std::move(playClickSound)),
      dialogs_(dialogs),
      form7_(std::move(form7)),
      FlatMemo3_(InitialMonthsHolder()) {
  setObjectName("GenderPanel");
  setFixedSize(kPanelSize);
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet("#GenderPanel { background: white; }");
  BuildChartQuery();
  BuildLinks();
  BuildMonthsQuery();
}

void GenderPanel::BuildChartQuery() {
  Caption(this, "label56", "我要查询胎儿的性别：", {30, 22}, 15, true);
  Caption(this, "label55", "母亲年龄(虚岁)", {48, 64});
  cbb2 = NumberDropDown(this, "cbb2", kFirstChartAge, kLastChartAge, {160, 60, 70, 24});
  Caption(this, "label27", "怀孕月份(公历)", {48, 100});
  cbb3 = NumberDropDown(this, "cbb3", 1, 12, {160, 96, 70, 24});
  FlatButton4 = QueryButton(this, "FlatButton4", {256, 77, 84, 28});
  label42 = new QLabel(Qt8("？？"), this);
  label42->setObjectName("label42");
  label42->setGeometry(48, 132, 300, 52);
  label42->setStyleSheet("color: #d0201a; font-size: 34px; font-weight: bold;");
  img2 = Picture(this, "img2", Babies::Pair);
  img1 = Picture(this, "img1", Babies::Boy);
  img3 = Picture(this, "img3", Babies::Girl);
  img1->hide();
  img3->hide();
  connect(FlatButton4, &QPushButton::clicked, this, &GenderPanel::FlatButton4Click);
}

void GenderPanel::BuildLinks() {
  PDJButton1 = LinkButton(this, "PDJButton1", "清宫自查表", {300, 186});
  PDJButton2 = LinkButton(this, "PDJButton2", "古代预测术", {392, 186});
  PDJButton3 = LinkButton(this, "PDJButton3", "民间预测术", {484, 186});
  connect(PDJButton1, &QPushButton::clicked, this, &GenderPanel::PDJButton1Click);
  connect(PDJButton2, &QPushButton::clicked, this, &GenderPanel::PDJButton2Click);
  connect(PDJButton3, &QPushButton::clicked, this, &GenderPanel::PDJButton3Click);
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setStyleSheet("color: #e0d6c2;");
  rule->setGeometry(24, 216, 535, 2);
}

void GenderPanel::BuildMonthsQuery() {
  Caption(this, "label52", "我要查询怀孕的月份：", {30, 232}, 15, true);
  Caption(this, "label39", "母亲年龄(虚岁)", {48, 274});
  cbb4 = NumberDropDown(this, "cbb4", kFirstChartAge, kLastChartAge, {160, 270, 70, 24});
  Caption(this, "label44", "希望生个", {256, 274});
  cbb5 = EditableDropDown(this, "cbb5", {Qt8("男孩"), Qt8("女孩")}, {322, 270, 70, 24});
  FlatButton5 = QueryButton(this, "FlatButton5", {418, 268, 84, 28});
  label45 = new QLabel(Qt8("※本生男生女计算法系根据《中国古代胎儿预测术》以及《日本科学育儿预测》编制而成，"
                           "准确率达到百分之九九点九八。\n\n※请不要将预测结果用于非法目的"),
                       this);
  label45->setObjectName("label45");
  label45->setWordWrap(true);
  label45->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label45->setGeometry(48, 312, 490, 112);
  label45->setStyleSheet("color: #4a3a2a;");
  connect(FlatButton5, &QPushButton::clicked, this, &GenderPanel::FlatButton5Click);
}

void GenderPanel::ShowError(const std::exception& error) { dialogs_.ShowMessage(Utf8ToGbk(error.what())); }

void GenderPanel::FlatButton4Click() {
  try {
    const ChartAnswer answer = QueryGenderChart(ToGbk(cbb3->currentText()), ToGbk(cbb2->currentText()));
    img2->hide();
    img1->setVisible(!answer.girl);
    img3->setVisible(answer.girl);
    playClickSound_();
    label42->setText(FromGbk(answer.label));
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void GenderPanel::FlatButton5Click() {
  playClickSound_();
  try {
    const std::string months =
        QueryConceptionMonths(ToGbk(cbb4->currentText()), TypedPosition(*cbb5), FlatMemo3_);
    label45->setText(LabelText(months));
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void GenderPanel::PDJButton1Click() { form7_().ShowChartView(); }
void GenderPanel::PDJButton2Click() { form7_().ShowTrigramView(); }
void GenderPanel::PDJButton3Click() { form7_().ShowFolkRuleView(); }

}  // namespace velmora
