#pragma once
// The month calendar: a title line, year and month selectors, and a grid of
// day cells each with its civil day and one lunar line.

#include <QWidget>

#include "calendar/day_facts.h"

class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QMenu;

namespace velmora {

class TChnCalendar : public QWidget {
  Q_OBJECT
 public:
  explicit TChnCalendar(QWidget* parent = nullptr);

  const DateTime& GetDateTime() const { return dateTime_; }
  // Ignored when equal to the current value or outside the years 1..2100.
  void SetDateTime(const DateTime& value);

  // GBK lunar texts of the selected date; start-up overwrites them.
  std::string CnMonth, CnDay, CnDate;
  QString TitleText() const;

 signals:
  void OnChange();
  void OnDateSelect();
  void OnDateClick();

 private:
  void Rebuild();
  void SelectDay(int day);
  QMenu* YearMenu();
  QMenu* MonthMenu();

  DateTime dateTime_;
  bool set_ = false;
  TChnCal facts_;
  QLabel* title_;
  QSpinBox* year_;
  QLabel* monthLabel_;
  QPushButton* yearButton_;
  QGridLayout* grid_;
  std::vector<QPushButton*> cells_;
};

}  // namespace velmora
