#include "app/tform13.h"

#include <QLabel>
#include <QPushButton>

#include "app/bundled_service.h"
#include "app/gradient_progress.h"
#include "app/online_window.h"
#include "app/tform1.h"
#include "online/horoscope_readings.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"

namespace velmora {
namespace {

const QSize kWindowSize(520, 430);
constexpr int kTopStrip = 44;

}  // namespace

TForm13::TForm13(TForm1& mainWindow)
    : SecondaryWindow("TForm13", QString::fromUtf8("生日密码"), &mainWindow), main_(mainWindow) {
  setFixedSize(kWindowSize);

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->hide();
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setGeometry(10, 8, 390, 28);

  xpbtn1 = new QPushButton(QString::fromUtf8("生日密码"), this);
  xpbtn1->setObjectName("xpbtn1");
  xpbtn1->setGeometry(410, 8, 100, 28);
  connect(xpbtn1, &QPushButton::clicked, this, &TForm13::xpbtn1Click);

  GradProgress1 = ProgressBar(this, {0, kTopStrip - 4, kWindowSize.width(), 3});
  // The worker browser has no view: the result text covers where it would be.
  WebBrowser1 = WorkerBrowser(this, "WebBrowser1", GradProgress1,
                              [this](BrowserWindow window) { WebBrowser1DocumentComplete(window); });
  Memo1 = ResultText(this, "Memo1", {0, kTopStrip, kWindowSize.width(), kWindowSize.height() - kTopStrip});
}

void TForm13::showEvent(QShowEvent* event) {
  FormShow();
  SecondaryWindow::showEvent(event);
}

void TForm13::FormShow() {
  const BirthProfile profile = main_.CurrentProfile();
  const std::string key = BirthdayKey(profile.birthDate.date);
  Label1->setText(FromGbk(key));
  Label2->setText(FromGbk(BirthdayHeading(profile.name, profile.sex, key)));
}

void TForm13::xpbtn1Click() {
  GradProgress1->SetPosition(0);
  main_.Service().WaitUntilReady();
  WebBrowser1->Navigate(BirthdayAddress(main_.Addresses().Base(Service::Birthday), ToGbk(Label1->text())));
}

void TForm13::WebBrowser1DocumentComplete(BrowserWindow) {
  GradProgress1->SetPosition(100);
  try {
    if (!TakeBirthdayAnswer(*WebBrowser1, ToGbk(Label2->text()), Memo2_, shown_)) {
      main_.UserDialogs().ShowMessage(BirthdayErrorMessage());
      return;
    }
  } catch (const std::exception& error) {
    main_.UserDialogs().ShowMessage(Utf8ToGbk(error.what()));
    return;
  }
  ShowFromTop(Memo1, shown_);
}

}  // namespace velmora
