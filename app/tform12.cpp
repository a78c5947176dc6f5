#include "app/tform12.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

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
constexpr int kColumns = 6;

}  // namespace

TForm12::TForm12(TForm1& mainWindow)
    : SecondaryWindow("TForm12", QString::fromUtf8("本周星座运程"), &mainWindow), main_(mainWindow) {
  setFixedSize(kWindowSize);

  suiRadioGroup1 = new QGroupBox(QString::fromUtf8("选择星座"), this);
  suiRadioGroup1->setObjectName("suiRadioGroup1");
  suiRadioGroup1->setGeometry(10, 8, 500, 84);
  auto* grid = new QGridLayout(suiRadioGroup1);
  constellations_ = new QButtonGroup(this);
  for (int i = 0; i < kConstellationCount; ++i) {
    auto* choice = new QRadioButton(FromGbk(ConstellationNames()[static_cast<std::size_t>(i)]), suiRadioGroup1);
    constellations_->addButton(choice, i);
    grid->addWidget(choice, i / kColumns, i % kColumns);
  }
  SelectIndex(0);

  xpbtn1 = new QPushButton(QString::fromUtf8("本周运程"), this);
  xpbtn1->setObjectName("xpbtn1");
  xpbtn1->setGeometry(10, 100, 100, 28);
  connect(xpbtn1, &QPushButton::clicked, this, &TForm12::xpbtn1Click);

  GradProgress1 = ProgressBar(this, {0, 136, kWindowSize.width(), 3});
  // The worker browser has no view: the result text covers where it would be.
  webbrowser2 = WorkerBrowser(this, "webbrowser2", GradProgress1,
                              [this](BrowserWindow window) { webbrowser2DocumentComplete(window); });
  memo1 = ResultText(this, "memo1", {10, 144, 500, kWindowSize.height() - 154});
}

int TForm12::SelectedIndex() const { return constellations_->checkedId(); }

void TForm12::SelectIndex(int index) { constellations_->button(index)->setChecked(true); }

void TForm12::xpbtn1Click() {
  main_.Service().WaitUntilReady();
  webbrowser2->Navigate(ForecastAddress(main_.Addresses().Base(Service::Forecast), SelectedIndex()));
  GradProgress1->SetPosition(0);
}

void TForm12::webbrowser2DocumentComplete(BrowserWindow) {
  try {
    TakeForecastAnswer(*webbrowser2, memo2_, shown_);
  } catch (const std::exception& error) {
    main_.UserDialogs().ShowMessage(Utf8ToGbk(error.what()));
    return;
  }
  ShowFromTop(memo1, shown_);
  GradProgress1->SetPosition(100);
}

}  // namespace velmora
