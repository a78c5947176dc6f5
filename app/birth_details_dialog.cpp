#include "app/birth_details_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

#include "platform/qt/gbk_qstring.h"
#include "readings/birth_details.h"

namespace velmora {
namespace {

constexpr int kPlaceNameRole = Qt::UserRole;
constexpr int kPlaceRegionRole = Qt::UserRole + 1;

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

QLineEdit* Box(const char* name, int width, int maxLength, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setFixedWidth(width);
  box->setMaxLength(maxLength);
  return box;
}

// A row of widgets and texts, left-aligned.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

}  // namespace

BirthDetailsDialog::BirthDetailsDialog(std::string programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)) {
  setObjectName("BirthDetailsDialog");
  setWindowTitle(Qt8("出生时间与出生地"));
  lblBirth = new QLabel(this);
  lblBirth->setObjectName("lblBirth");
  edtMinute = Box("edtMinute", 36, 2, this);
  edtPlace = Box("edtPlace", 120, 30, this);
  edtProvince = Box("edtProvince", 90, 20, this);
  edtLongitude = Box("edtLongitude", 80, 12, this);
  lblMessage = new QLabel(this);
  lblMessage->setObjectName("lblMessage");
  lblMessage->setWordWrap(true);
  lblMessage->setStyleSheet("color: #b00000;");
  auto* note = new QLabel(Qt8("填了出生地或经度，四柱批命与八字批命的日柱、时柱按当地真太阳时排出；都空着则按北京时间。"), this);
  note->setWordWrap(true);
  note->setStyleSheet("color: #6b5a48;");
  btnOk = new QPushButton(Qt8("确定"), this);
  btnOk->setObjectName("btnOk");
  btnOk->setDefault(true);
  btnCancel = new QPushButton(Qt8("取消"), this);
  btnCancel->setObjectName("btnCancel");

  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(10);
  auto caption = [this](const char* text) { return new QLabel(Qt8(text), this); };
  grid->addWidget(caption("出生"), 0, 0);
  grid->addWidget(lblBirth, 0, 1);
  grid->addWidget(caption("分钟"), 1, 0);
  grid->addLayout(Row({edtMinute, caption("分（不详请空着，按整点排盘）")}), 1, 1);
  grid->addWidget(caption("出生地"), 2, 0);
  grid->addLayout(Row({edtPlace, caption("省份"), edtProvince}), 2, 1);
  grid->addWidget(caption("或经度"), 3, 0);
  grid->addLayout(Row({edtLongitude, caption("度（东经为正，西经为负）")}), 3, 1);
  grid->addWidget(note, 4, 0, 1, 2);
  grid->addWidget(lblMessage, 5, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  grid->addLayout(buttons, 6, 0, 1, 2);
  setFixedWidth(460);

  connect(btnOk, &QPushButton::clicked, this, &BirthDetailsDialog::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void BirthDetailsDialog::ShowFor(const BirthProfile& profile) {
  const DateTime& birth = profile.birthDate;
  lblBirth->setText(Qt8("%1年%2月%3日 %4时（日期与时辰在主窗口选择）")
                        .arg(birth.date.year)
                        .arg(birth.date.month)
                        .arg(birth.date.day)
                        .arg(profile.birthHourIndex));
  lblMessage->clear();
  TypedBirthDetails shown;
  try {
    shown = TypedBirthDetailsOf(ReadBirthDetails(programFolder_));
  } catch (const std::exception& error) {
    lblMessage->setText(QString::fromUtf8(error.what()));
  }
  edtMinute->setText(FromGbk(shown.minute));
  edtPlace->setText(FromGbk(shown.place));
  edtProvince->setText(FromGbk(shown.province));
  edtLongitude->setText(FromGbk(shown.longitude));
  OfferPlaces();
  open();
}

// The places of the table as the place box completes them: the popup shows
// each with its region, choosing one puts its name in the place box and what
// tells it from its namesakes in the province box.
void BirthDetailsDialog::OfferPlaces() {
  if (placesOffered_) return;
  std::vector<PlaceOffer> offers;
  try {
    offers = PlaceOffers(BirthPlaces::Installed(programFolder_));
  } catch (const std::exception& error) {
    lblMessage->setText(QString::fromUtf8(error.what()));
    return;
  }
  placesOffered_ = true;
  auto* model = new QStandardItemModel(this);
  for (const PlaceOffer& offer : offers) {
    auto* item = new QStandardItem(FromGbk(offer.label));
    item->setData(FromGbk(offer.name), kPlaceNameRole);
    item->setData(FromGbk(offer.region), kPlaceRegionRole);
    model->appendRow(item);
  }
  auto* completer = new QCompleter(model, this);
  completer->setCompletionRole(kPlaceNameRole);
  completer->setMaxVisibleItems(12);
  completer->popup()->setMinimumWidth(300);  // the labels are wider than the name box
  edtPlace->setCompleter(completer);
  connect(completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { edtProvince->setText(index.data(kPlaceRegionRole).toString()); });
}

void BirthDetailsDialog::btnOkClick() {
  lblMessage->clear();
  try {
    const TypedBirthDetails typed = {ToGbk(edtMinute->text()), ToGbk(edtPlace->text()), ToGbk(edtProvince->text()),
                                     ToGbk(edtLongitude->text())};
    WriteBirthDetails(programFolder_, CheckBirthDetails(typed, programFolder_));
  } catch (const std::exception& error) {
    lblMessage->setText(QString::fromUtf8(error.what()));
    return;
  }
  accept();
}

}  // namespace velmora
