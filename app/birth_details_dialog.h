#pragma once
// The dialog "出生时间与出生地" of the 附件 menu: the birth minute and the
// birthplace (a place name with an optional province, or a longitude east)
// that the online chart readings send with the birth profile. It shows what
// is remembered, offers the places of the table while a name is typed, and
// on 确定 remembers what the core accepts; otherwise its message says what
// is wrong and nothing is saved. The checking and remembering are
// readings/birth_details.h's.

#include <QDialog>
#include <string>

#include "readings/birth_profile.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class BirthDetailsDialog : public QDialog {
 public:
  BirthDetailsDialog(std::string programFolder, QWidget* parent);

  // Fills the boxes with the remembered details, shows the profile's birth
  // date and hour they go with, and opens the dialog (modal to its window).
  void ShowFor(const BirthProfile& profile);
  // 确定: checks and remembers the boxes, then closes; or shows the message.
  void btnOkClick();

  QLabel* lblBirth = nullptr;
  QLineEdit* edtMinute = nullptr;
  QLineEdit* edtPlace = nullptr;
  QLineEdit* edtProvince = nullptr;
  QLineEdit* edtLongitude = nullptr;
  QLabel* lblMessage = nullptr;  // what is wrong, in red
  QPushButton* btnOk = nullptr;
  QPushButton* btnCancel = nullptr;

 private:
  void OfferPlaces();

  std::string programFolder_;
  bool placesOffered_ = false;
};

}  // namespace velmora
