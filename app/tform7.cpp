#include "app/tform7.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/qt/gbk_qstring.h"
#include "readings/baby_gender.h"

namespace velmora {
namespace {

const QSize kViewSize(450, 417);
const QColor kInk(0x5a, 0x1e, 0x1e);

struct CellStyle {
  QColor fill;
  QColor ink;
};
const CellStyle kBoyCell{QColor(0xd8, 0xe8, 0xfb), QColor(0x1f, 0x5f, 0xa8)};
const CellStyle kGirlCell{QColor(0xfb, 0xdc, 0xe7), QColor(0xc2, 0x18, 0x5b)};
const CellStyle kHeaderCell{QColor(0x8a, 0x2a, 0x22), QColor(0xfd, 0xf3, 0xdc)};
const CellStyle kAgeCell{QColor(0xf1, 0xe6, 0xcf), kInk};
// The picture runs one age past the table; that row reads boy throughout, as
// the chart query answers for it.
constexpr int kLastPictureAge = kLastChartAge + 1;

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList ToQStrings(const std::vector<std::string>& gbkItems) {
  QStringList items;
  for (const std::string& item : gbkItems) items << FromGbk(item);
  return items;
}

QFont PixelFont(int pixelSize, bool bold = false) {
  QFont font(Qt8("Noto Serif CJK SC"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// Every view fills the whole window.
QFrame* HiddenView(QWidget* window, const char* name) {
  auto* view = new QFrame(window);
  view->setObjectName(name);
  view->setGeometry(QRect(QPoint(0, 0), kViewSize));
  view->hide();
  return view;
}

QLabel* Text(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

void TitleBar(QWidget* view, const QString& title) {
  QLabel* bar = Text(view, title, QRect(0, 0, kViewSize.width(), 34));
  bar->setAlignment(Qt::AlignCenter);
  bar->setFont(PixelFont(16, true));
  bar->setStyleSheet(
      "color: #fdf3dc; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #9a2f25, stop:1 #6e1c1c);");
}

QLabel* Explanation(QWidget* view, const char* text, int top) {
  QLabel* label = Text(view, Qt8(text), QRect(24, top, 402, 110));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(PixelFont(14));
  label->setStyleSheet("color: #4a3a2a;");
  return label;
}

QPushButton* ResultButton(QWidget* view, const char* name) {
  auto* button = new QPushButton(Qt8("查看结果"), view);
  button->setObjectName(name);
  button->setGeometry(352, 70, 80, 28);
  return button;
}

QLabel* ResultLabel(QWidget* view, const char* name) {
  QLabel* label = Text(view, "?", QRect(352, 110, 80, 80));
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(PixelFont(48, true));
  label->setStyleSheet("color: #c0282d;");
  return label;
}

struct DropDownPlace {
  QComboBox** box;
  const char* name;
  QStringList items;
};

// A captioned row of drop-downs (year, month, day widths), rows 48 pixels apart.
void DropDownRow(QWidget* view, int row, const char* caption, std::initializer_list<DropDownPlace> places) {
  static constexpr int kWidths[3] = {84, 80, 70};
  const int top = 72 + 48 * row;
  Text(view, Qt8(caption), QRect(24, top, 72, 24))->setFont(PixelFont(14));
  int left = 100;
  const int* width = kWidths;
  for (const DropDownPlace& place : places) {
    *place.box = EditableDropDown(view, place.name, place.items, QRect(left, top, *width, 24));
    left += *width++ + 6;
  }
}

// The gender chart by nominal age and lunar month of conception, boy cells
// blue and girl cells pink.
QPixmap GenderChartPicture(const QSize& size) {
  static const char* const kMonths[12] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"};
  constexpr int kTitleHeight = 30;
  constexpr int kHeaderHeight = 17;
  constexpr int kRowHeight = 13;
  constexpr int kAgeWidth = 42;
  constexpr int kMonthWidth = 33;
  const int left = (size.width() - kAgeWidth - 12 * kMonthWidth) / 2;

  QPixmap picture(size);
  picture.fill(QColor(0xfd, 0xfa, 0xf3));
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(PixelFont(16, true));
  painter.setPen(kInk);
  painter.drawText(QRect(left, 0, 260, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, Qt8("清宫生男生女预测表"));
  painter.setFont(PixelFont(12));
  const auto legend = [&](int x, const CellStyle& style, const char* text) {
    painter.setPen(style.ink);
    painter.setBrush(style.fill);
    painter.drawRect(QRect(x, 10, 12, 12));
    painter.drawText(QRect(x + 16, 6, 20, 20), Qt::AlignLeft | Qt::AlignVCenter, Qt8(text));
  };
  legend(size.width() - left - 80, kBoyCell, "男");
  legend(size.width() - left - 38, kGirlCell, "女");
  painter.setBrush(Qt::NoBrush);

  painter.setRenderHint(QPainter::Antialiasing, false);
  const auto cell = [&](const QRect& box, const CellStyle& style, const QString& text) {
    painter.fillRect(box, style.fill);
    painter.setPen(QColor(0xe6, 0xdc, 0xc8));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(style.ink);
    painter.drawText(box, Qt::AlignCenter, text);
  };
  const auto monthColumn = [&](int month, int top, int height) {
    return QRect(left + kAgeWidth + (month - 1) * kMonthWidth, top, kMonthWidth, height);
  };
  painter.setFont(PixelFont(11, true));
  cell(QRect(left, kTitleHeight, kAgeWidth, kHeaderHeight), kHeaderCell, Qt8("虚岁"));
  for (int month = 1; month <= 12; ++month) {
    cell(monthColumn(month, kTitleHeight, kHeaderHeight), kHeaderCell, Qt8(kMonths[month - 1]));
  }
  for (int age = kFirstChartAge; age <= kLastPictureAge; ++age) {
    const int top = kTitleHeight + kHeaderHeight + (age - kFirstChartAge) * kRowHeight;
    painter.setFont(PixelFont(11, true));
    cell(QRect(left, top, kAgeWidth, kRowHeight), kAgeCell, QString::number(age));
    painter.setFont(PixelFont(11));
    for (int month = 1; month <= 12; ++month) {
      const bool girl = IsGirlKey(month * 100 + age);
      cell(monthColumn(month, top, kRowHeight), girl ? kGirlCell : kBoyCell, Qt8(girl ? "女" : "男"));
    }
  }
  return picture;
}

}  // namespace

QComboBox* EditableDropDown(QWidget* parent, const char* name, const QStringList& items, const QRect& geometry) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  box->setGeometry(geometry);
  return box;
}

int TypedPosition(const QComboBox& box) { return box.findText(box.currentText()); }

TForm7::TForm7(QWidget* mainWindow) : SecondaryWindow("TForm7", Qt8("生男生女"), mainWindow) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(kViewSize);
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet("#TForm7 { background: white; }");
  BuildChartView();
  BuildTrigramView();
  BuildFolkRuleView();
}

void TForm7::BuildChartView() {
  FlatPanel2 = HiddenView(this, "FlatPanel2");
  Image1 = new QLabel(FlatPanel2);
  Image1->setObjectName("Image1");
  Image1->setGeometry(QRect(QPoint(0, 0), kViewSize));
  Image1->setPixmap(GenderChartPicture(kViewSize));
}

void TForm7::BuildTrigramView() {
  FlatPanel3 = HiddenView(this, "FlatPanel3");
  TitleBar(FlatPanel3, Qt8("中国古代胎儿性别预测术"));
  const QStringList years = ToQStrings(BirthYearItems());
  const QStringList months = ToQStrings(LunarMonthItems());
  const QStringList days = ToQStrings(LunarDayItems());
  DropDownRow(FlatPanel3, 0, "男方生日", {{&cbb1, "cbb1", years}, {&cbb2, "cbb2", months}, {&cbb3, "cbb3", days}});
  DropDownRow(FlatPanel3, 1, "女方生日", {{&cbb4, "cbb4", years}, {&cbb5, "cbb5", months}, {&cbb6, "cbb6", days}});
  DropDownRow(FlatPanel3, 2, "怀孕月份", {{&cbb7, "cbb7", months}});
  xpbtn1 = ResultButton(FlatPanel3, "xpbtn1");
  label1 = ResultLabel(FlatPanel3, "label1");
  label5 = Explanation(FlatPanel3,
                       "数字皆取农历，其中月份逢闰月的则前半月随上月，下半月随下月。此法为中国古代的卦象判断法。"
                       "古歌有云：“父母年龄两头居，受胎之月心中取。乾坎艮辰为男儿，巽离坤兑总属女。”",
                       236);
  label5->setObjectName("label5");
  connect(xpbtn1, &QPushButton::clicked, this, &TForm7::xpbtn1Click);
}

void TForm7::BuildFolkRuleView() {
  FlatPanel1 = HiddenView(this, "FlatPanel1");
  TitleBar(FlatPanel1, Qt8("中国民间胎儿性别预测术"));
  DropDownRow(FlatPanel1, 0, "母亲年龄", {{&cbb13, "cbb13", ToQStrings(MotherAgeItems())}});
  DropDownRow(FlatPanel1, 1, "怀孕月份", {{&cbb11, "cbb11", ToQStrings(LunarMonthItems())}});
  FlatButton2 = ResultButton(FlatPanel1, "FlatButton2");
  label8 = ResultLabel(FlatPanel1, "label8");
  Explanation(FlatPanel1,
              "这是中国古代流传比较广的一种民间预测术，其中月份逢闰则上半月归上月，下半月归下月。"
              "古歌有云：“七七四十九，问娘何时有，除去母生年，还加四十九。”",
              188);
  connect(FlatButton2, &QPushButton::clicked, this, &TForm7::FlatButton2Click);
}

void TForm7::ShowOnly(QFrame* view) {
  for (QFrame* each : {FlatPanel1, FlatPanel2, FlatPanel3}) each->setVisible(each == view);
  ShowCentred();
}

void TForm7::ShowChartView() { ShowOnly(FlatPanel2); }
void TForm7::ShowTrigramView() { ShowOnly(FlatPanel3); }
void TForm7::ShowFolkRuleView() { ShowOnly(FlatPanel1); }

void TForm7::xpbtn1Click() {
  const std::array<int, 7> positions = {TypedPosition(*cbb1), TypedPosition(*cbb2), TypedPosition(*cbb3),
                                        TypedPosition(*cbb4), TypedPosition(*cbb5), TypedPosition(*cbb6),
                                        TypedPosition(*cbb7)};
  label1->setText(FromGbk(TrigramSex(positions)));
}

void TForm7::FlatButton2Click() {
  label8->setText(FromGbk(FolkRuleSex(TypedPosition(*cbb11), TypedPosition(*cbb13))));
}

}  // namespace velmora
