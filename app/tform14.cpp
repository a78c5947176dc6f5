#include "app/tform14.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWebEngineView>

#include "app/bundled_service.h"
#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/online_window.h"
#include "app/radio_group.h"
#include "app/tform1.h"
#include "online/browser_automation.h"
#include "online/name_testing.h"
#include "online/online_check.h"
#include "platform/dialogs.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"

namespace velmora {
namespace {

const QSize kWindowSize(620, 480);
const QRect kBrowserPlace(0, 3, 620, 431);
constexpr int kButtonTop = 442;

QString Qt8(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TForm14::TForm14(TForm1& mainWindow)
    : SecondaryWindow("TForm14", Qt8("在线姓名测试"), &mainWindow),
      mainWindow_(mainWindow),
      ADOQuery1_(mainWindow.Folder(), TraditionalFormsDatabase()) {
  setFixedSize(kWindowSize);
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet("#TForm14 { background: #faf7f0; }");
  GradProgress1 = ProgressBar(this, {0, 0, kWindowSize.width(), 3});
  WebBrowser1 = new QWebEngineView(this);
  WebBrowser1->setObjectName("WebBrowser1");
  WebBrowser1->setGeometry(kBrowserPlace);
  WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
  browser_ = new QtBrowser(WebBrowser1);
  browser_->OnDocumentComplete([this](BrowserWindow window) { WebBrowser1DocumentComplete(window); });
  browser_->OnProgress([this] { GradProgress1->Advance(); });
  BuildInputPanel();

  xpbtn1 = new QPushButton(Qt8("测试姓名"), this);
  xpbtn1->setObjectName("xpbtn1");
  xpbtn1->setGeometry(196, kButtonTop, 100, 30);
  xpbtn2 = new QPushButton(Qt8("重新测试"), this);
  xpbtn2->setObjectName("xpbtn2");
  xpbtn2->setGeometry(324, kButtonTop, 100, 30);
  xpbtn2->setEnabled(false);
  lbl3 = new QLabel(this);
  lbl3->setObjectName("lbl3");
  lbl3->hide();
  lbl5 = new QLabel(this);
  lbl5->setObjectName("lbl5");
  lbl5->hide();

  connect(Edit1, &NameEdit::Left, this, &TForm14::Edit1Exit);
  connect(xpbtn1, &QPushButton::clicked, this, &TForm14::xpbtn1Click);
  connect(xpbtn2, &QPushButton::clicked, this, &TForm14::xpbtn2Click);
  FormCreate();
}

void TForm14::BuildInputPanel() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(kBrowserPlace);
  Panel1->setStyleSheet("#Panel1 { background: #fbf8f1; border-bottom: 1px solid #c9bda4; }");
  auto* title = new QLabel(Qt8("形家姓名学论断"), Panel1);
  title->setGeometry(0, 36, kWindowSize.width(), 40);
  title->setAlignment(Qt::AlignCenter);
  title->setStyleSheet("font-size: 24px; font-weight: bold; color: #7a1f1f; letter-spacing: 4px;");
  auto* about = new QLabel(Qt8("姓名先转为繁体，以繁体的康熙笔画排出五格，再以人格为“我”，"
                               "论天格、地格、外格、总格与人格的生克，断长上、配偶子女、朋友与晚年。"),
                           Panel1);
  about->setGeometry(70, 84, 480, 60);
  about->setWordWrap(true);
  about->setStyleSheet("color: #5a4a38; font-size: 13px;");
  auto* caption = new QLabel(Qt8("姓名："), Panel1);
  caption->setGeometry(170, 172, 50, 26);
  Edit1 = new NameEdit(Panel1, IsRejectedTestNameKey);
  Edit1->setObjectName("Edit1");
  Edit1->LimitTypedBytes(kLongestTestName);
  Edit1->setGeometry(220, 170, 180, 28);
  Edit1->setText(Qt8("王晓明"));
  suiRadioGroup1 = new RadioGroup(Qt8("姓氏"), {Qt8("单姓"), Qt8("复姓")}, 0, Panel1);
  suiRadioGroup1->setObjectName("suiRadioGroup1");
  suiRadioGroup1->setGeometry(130, 222, 172, 56);
  suiRadioGroup2 = new RadioGroup(Qt8("性别"), {Qt8("男"), Qt8("女")}, 0, Panel1);
  suiRadioGroup2->setObjectName("suiRadioGroup2");
  suiRadioGroup2->setGeometry(318, 222, 172, 56);
}

void TForm14::FormCreate() {
  // The form page sends to the names service, whose address is filled in as the page loads.
  connect(&mainWindow_.Service(), &BundledService::Ready, this, [this] { browser_->Navigate(FormPage()); });
  if (mainWindow_.Service().IsReady()) browser_->Navigate(FormPage());
  try {
    ADOQuery1_.Open();
    ADOQuery1_.Lookup("select * from hz");
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

std::string TForm14::FormPage() const { return mainWindow_.Folder() + "data/ssdg.db"; }

std::string TForm14::SurnameKind() const { return suiRadioGroup1->ItemIndex() == 1 ? "复姓"_gbk : "单姓"_gbk; }

void TForm14::ShowError(const std::exception& error) { mainWindow_.UserDialogs().ShowMessage(Utf8ToGbk(error.what())); }

void TForm14::showEvent(QShowEvent* event) {
  FormShow();
  SecondaryWindow::showEvent(event);
}

void TForm14::FormShow() { Edit1->setText(mainWindow_.flatedit1->text()); }

void TForm14::Edit1Exit() { Edit1->setText(FromGbk(TestNameOnLeave(ToGbk(Edit1->text()), SurnameKind()))); }

void TForm14::xpbtn1Click() {
  GradProgress1->SetPosition(0);
  mainWindow_.Service().WaitUntilReady();
  // The bundled service answers without a network; only a remote one needs it.
  if (mainWindow_.Addresses().IsRemote(Service::Names) && !IsOnline()) {
    mainWindow_.UserDialogs().ShowMessage(OfflineNameTestMessage());
  }
  xpbtn1->setEnabled(false);
  xpbtn2->setEnabled(true);
  try {
    if (ReadTitle(*browser_) != NameTestFormTitle()) return;
    Button1Click();
    Button2Click();
    ClickFirstSubmit(*browser_);
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm14::Button1Click() {
  lbl3->clear();
  lbl5->clear();
  const TraditionalName name = ConvertToTraditional(ADOQuery1_, ToGbk(Edit1->text()), SurnameKind());
  lbl3->setText(FromGbk(name.surname));
  lbl5->setText(FromGbk(name.givenName));
}

void TForm14::Button2Click() {
  FillNameTestForm(*browser_, suiRadioGroup2->ItemIndex() == 1 ? "女"_gbk : "男"_gbk,
                   {ToGbk(lbl3->text()), ToGbk(lbl5->text())});
}

void TForm14::WebBrowser1DocumentComplete(BrowserWindow) {
  GradProgress1->SetPosition(100);
  try {
    const std::string title = ReadTitle(*browser_);
    if (title == NameTestFormTitle()) {
      xpbtn2->setEnabled(false);
      xpbtn1->setEnabled(true);
    }
    if (title != NameTestAnswerTitle()) return;
    Panel1->hide();
    const std::string page = mainWindow_.Folder() + "temp.htm";
    TakeNameTestAnswer(*browser_, mmo1_, page);
    browser_->Navigate(page);
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TForm14::xpbtn2Click() {
  browser_->Navigate(FormPage());
  Panel1->show();
}

}  // namespace velmora
