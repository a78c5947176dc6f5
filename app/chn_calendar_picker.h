#pragma once
// The birthday picker: year, month and day boxes with the lunar text in green,
// and a drop-down month calendar from which a date is taken.

#include <QWidget>

#include "app/chn_calendar.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace velmora {

class TChnCalendarPicker : public QWidget {
  Q_OBJECT
 public:
  explicit TChnCalendarPicker(QWidget* parent = nullptr);

  const DateTime& GetDateTime() const { return dateTime_; }
  void SetDateTime(const DateTime& value);
  TChnCalendar* ChnCalendar() const { return calendar_; }
  QString LunarText() const;
  // Reads the boxes (a box that is not a number takes today's part, an
  // impossible date becomes today), hands the date to the calendar and shows it.
  void DropDown();

 signals:
  void OnChange();

 private:
  DateTime dateTime_;
  bool set_ = false;
  TChnCal facts_;
  QLineEdit* year_;
  QLineEdit* month_;
  QLineEdit* day_;
  QLabel* lunar_;
  QFrame* dropDown_;
  TChnCalendar* calendar_;
};

}  // namespace velmora
