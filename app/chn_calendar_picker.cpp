#include "app/chn_calendar_picker.h"

#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/qt/gbk_qstring.h"

namespace velmora {
namespace {

QLineEdit* DateBox(int width, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setFixedWidth(width);
  box->setAlignment(Qt::AlignCenter);
  box->setFrame(false);
  box->setTextMargins(0, 0, 0, 0);
  box->setStyleSheet("QLineEdit { padding: 0; }");
  return box;
}

int BoxNumber(const QLineEdit* box, int fallback) {
  bool ok = false;
  const int value = box->text().trimmed().toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

TChnCalendarPicker::TChnCalendarPicker(QWidget* parent) : QWidget(parent) {
  setStyleSheet("TChnCalendarPicker { border: 1px solid black; background: white; }");
  setAttribute(Qt::WA_StyledBackground);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 0, 0, 0);
  layout->setSpacing(0);
  QFont small = font();
  small.setPixelSize(12);
  setFont(small);
  year_ = DateBox(32, this);
  month_ = DateBox(17, this);
  day_ = DateBox(17, this);
  lunar_ = new QLabel(this);
  lunar_->setStyleSheet("color: green;");
  auto* button = new QToolButton(this);
  button->setArrowType(Qt::DownArrow);
  button->setStyleSheet("QToolButton { background: #6a2c91; border: none; }");
  button->setFixedWidth(16);
  auto separator = [this] {
    auto* dash = new QLabel("-", this);
    dash->setFixedWidth(6);
    dash->setAlignment(Qt::AlignCenter);
    return dash;
  };
  layout->addWidget(year_);
  layout->addWidget(separator());
  layout->addWidget(month_);
  layout->addWidget(separator());
  layout->addWidget(day_);
  layout->addSpacing(2);
  layout->addWidget(lunar_, 1);
  layout->addWidget(button);

  dropDown_ = new QFrame(this, Qt::Popup);
  dropDown_->setFrameShape(QFrame::Box);
  auto* dropLayout = new QVBoxLayout(dropDown_);
  dropLayout->setContentsMargins(0, 0, 0, 0);
  calendar_ = new TChnCalendar(dropDown_);
  dropLayout->addWidget(calendar_);
  dropDown_->setFixedSize(400, 330);

  connect(button, &QToolButton::clicked, this, &TChnCalendarPicker::DropDown);
  connect(calendar_, &TChnCalendar::OnChange, this, [this] {
    emit OnChange();
    SetDateTime(calendar_->GetDateTime());
  });
  connect(calendar_, &TChnCalendar::OnDateSelect, this, [this] {
    SetDateTime(calendar_->GetDateTime());
    dropDown_->hide();
  });

  const QDate today = QDate::currentDate();
  year_->setText(QString::number(today.year()));
  month_->setText(QString("%1").arg(today.month(), 2, 10, QChar('0')));
  day_->setText(QString("%1").arg(today.day(), 2, 10, QChar('0')));
}

void TChnCalendarPicker::SetDateTime(const DateTime& value) {
  if (set_ && value == dateTime_) return;
  dateTime_ = value;
  set_ = true;
  year_->setText(QString("%1").arg(value.date.year, 4, 10, QChar('0')));
  month_->setText(QString("%1").arg(value.date.month, 2, 10, QChar('0')));
  day_->setText(QString("%1").arg(value.date.day, 2, 10, QChar('0')));
  FillDayFacts(facts_, value);
  lunar_->setText(LunarText());
}

QString TChnCalendarPicker::LunarText() const { return FromGbk(facts_.monthText + facts_.dayText); }

void TChnCalendarPicker::DropDown() {
  const QDate today = QDate::currentDate();
  CivilDate chosen{BoxNumber(year_, today.year()), BoxNumber(month_, today.month()), BoxNumber(day_, today.day())};
  if (!IsExistingDate(chosen)) chosen = {today.year(), today.month(), today.day()};
  DateTime date = dateTime_;
  date.date = chosen;
  calendar_->SetDateTime(date);
  QPoint at = mapToGlobal(QPoint(0, height()));
  if (const QScreen* screen = this->screen()) {
    const QRect available = screen->availableGeometry();
    at.setX(std::clamp(at.x(), available.left(), available.right() - dropDown_->width()));
    at.setY(std::min(at.y(), available.bottom() - dropDown_->height()));
  }
  dropDown_->move(at);
  dropDown_->show();
}

}  // namespace velmora
