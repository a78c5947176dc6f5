#include "app/chn_calendar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calendar/month_view.h"
#include "platform/qt/gbk_qstring.h"

namespace velmora {
namespace {

constexpr int kWeeks = 6;

}  // namespace

TChnCalendar::TChnCalendar(QWidget* parent) : QWidget(parent) {
  setStyleSheet("background: white;");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);

  title_ = new QLabel(this);
  title_->setAlignment(Qt::AlignCenter);
  title_->setStyleSheet("color: #5a1e1e; font-weight: bold; font-size: 14px; padding: 4px;");
  layout->addWidget(title_);

  auto* selectors = new QHBoxLayout;
  auto* previous = new QPushButton("◀", this);
  auto* next = new QPushButton("▶", this);
  for (QPushButton* step : {previous, next}) step->setFixedWidth(28);
  yearButton_ = new QPushButton("年", this);
  yearButton_->setFlat(true);
  year_ = new QSpinBox(this);
  year_->setRange(kFirstCalendarYear, kLastCalendarYear);
  year_->setKeyboardTracking(false);  // a typed year counts once it is complete
  monthLabel_ = new QLabel(this);
  monthLabel_->setAlignment(Qt::AlignCenter);
  monthLabel_->setMinimumWidth(40);
  monthLabel_->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* monthButton = new QPushButton("月", this);
  monthButton->setFlat(true);
  selectors->addWidget(previous);
  selectors->addStretch();
  selectors->addWidget(year_);
  selectors->addWidget(yearButton_);
  selectors->addWidget(monthLabel_);
  selectors->addWidget(monthButton);
  selectors->addStretch();
  selectors->addWidget(next);
  layout->addLayout(selectors);

  grid_ = new QGridLayout;
  grid_->setSpacing(1);
  const char* const weekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
  for (int column = 0; column < 7; ++column) {
    auto* header = new QLabel(weekdays[column], this);
    header->setAlignment(Qt::AlignCenter);
    header->setStyleSheet(column == 0 || column == 6 ? "color: #c0392b;" : "color: #333;");
    grid_->addWidget(header, 0, column);
  }
  for (int cell = 0; cell < kWeeks * 7; ++cell) {
    auto* button = new QPushButton(this);
    button->setFlat(true);
    button->setMinimumSize(46, 34);
    button->setCheckable(true);
    grid_->addWidget(button, 1 + cell / 7, cell % 7);
    cells_.push_back(button);
  }
  layout->addLayout(grid_);
  layout->addStretch();

  connect(previous, &QPushButton::clicked, this, [this] { SetDateTime({StepMonths(dateTime_.date, -1)}); });
  connect(next, &QPushButton::clicked, this, [this] { SetDateTime({StepMonths(dateTime_.date, 1)}); });
  connect(year_, &QSpinBox::valueChanged, this, [this](int year) {
    if (year != dateTime_.date.year) SetDateTime({WithYear(dateTime_.date, year)});
  });
  connect(yearButton_, &QPushButton::clicked, this, [this] { YearMenu()->popup(QCursor::pos()); });
  connect(monthButton, &QPushButton::clicked, this, [this] { MonthMenu()->popup(QCursor::pos()); });
}

QString TChnCalendar::TitleText() const { return title_->text(); }

void TChnCalendar::SetDateTime(const DateTime& value) {
  if (set_ && value == dateTime_) return;
  if (value.date.year < kFirstCalendarYear || value.date.year > kLastCalendarYear) return;
  dateTime_ = value;
  set_ = true;
  const QSignalBlocker blockYear(year_);
  year_->setValue(value.date.year);
  monthLabel_->setText(QString("%1").arg(value.date.month, 2, 10, QChar('0')));
  FillDayFacts(facts_, value);
  CnMonth = facts_.monthText;
  CnDay = facts_.dayText;
  CnDate = CnMonth + CnDay;
  title_->setText(FromGbk(CalendarTitleLine(value.date, facts_, CnDate)));
  Rebuild();
  emit OnChange();
}

void TChnCalendar::Rebuild() {
  const CivilDate& date = dateTime_.date;
  const std::vector<DayCell> days = MonthDayCells(date.year, date.month);
  const int first = FirstWeekdayOfMonth(date.year, date.month);
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    QPushButton* cell = cells_[i];
    cell->disconnect();
    const int index = static_cast<int>(i) - first;
    if (index < 0 || index >= static_cast<int>(days.size())) {
      cell->setText({});
      cell->setEnabled(false);
      cell->setChecked(false);
      continue;
    }
    const DayCell& day = days[static_cast<std::size_t>(index)];
    // The ten days dropped in 1582 are shown but cannot be chosen.
    cell->setEnabled(IsExistingDate({date.year, date.month, day.day}));
    cell->setText(QString("%1\n%2").arg(day.day).arg(FromGbk(day.lunarLine)));
    cell->setChecked(day.day == date.day);
    cell->setStyleSheet(day.day == date.day ? "background: #f6d7a7; color: #5a1e1e;" : "color: #222;");
    connect(cell, &QPushButton::clicked, this, [this, day = day.day] { SelectDay(day); });
  }
}

void TChnCalendar::SelectDay(int day) {
  emit OnDateClick();
  if (day == dateTime_.date.day) {
    Rebuild();  // keep the cell checked
    emit OnDateSelect();
    return;
  }
  DateTime selected = dateTime_;
  selected.date.day = day;
  SetDateTime(selected);
}

QMenu* TChnCalendar::YearMenu() {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction("今日", this, [this] { SetDateTime(LocalNow()); });
  QMenu* history = menu->addMenu("历史日期");
  for (int century = 0; century < 19; ++century) {
    QMenu* group = history->addMenu(QString("%1—%2").arg(century * 100 + 10).arg(century * 100 + 100));
    for (int year = century * 100 + 10; year <= century * 100 + 100; year += 10) {
      group->addAction(QString::number(year), this, [this, year] { SetDateTime({WithYear(dateTime_.date, year)}); });
    }
  }
  for (int decade = 1900; decade < 2100; decade += 10) {
    QMenu* group = menu->addMenu(QString("%1—%2").arg(decade).arg(decade + 9));
    for (int year = decade; year < decade + 10; ++year) {
      group->addAction(QString::number(year), this, [this, year] { SetDateTime({WithYear(dateTime_.date, year)}); });
    }
  }
  return menu;
}

QMenu* TChnCalendar::MonthMenu() {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction("今日", this, [this] { SetDateTime(LocalNow()); });
  for (int month = 1; month <= 12; ++month) {
    menu->addAction(QString("%1月").arg(month), this,
                    [this, month] { SetDateTime({WithMonth(dateTime_.date, month)}); });
  }
  return menu;
}

}  // namespace velmora
