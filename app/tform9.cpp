#include "app/tform9.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/gradient_progress.h"
#include "app/name_edit.h"
#include "app/radio_group.h"
#include "app/tform1.h"
#include "online/personal_naming.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"
#include "text/gbk_bytes.h"

namespace velmora {

TForm9::TForm9(TForm1& mainWindow)
    : NamingWindow("TForm9", "Velmora", "说明：本功能需要连接到互联网；复姓只输入第一个字即可。", mainWindow) {
  Edit1 = CaptionedEdit("姓氏：", "刘", 12, 56);
  RadioGroup1 = new RadioGroup(QString::fromUtf8("性别："), {QString::fromUtf8("男"), QString::fromUtf8("女")}, 0,
                               InputStrip());
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(120, 6, 140, 50);
  RadioGroup2 = new RadioGroup(QString::fromUtf8("字数："), {"3", "2"}, 0, InputStrip());
  RadioGroup2->setObjectName("RadioGroup2");
  RadioGroup2->setGeometry(270, 6, 130, 50);
  xpbtn1 = new QPushButton(QString::fromUtf8("个人起名"), InputStrip());
  xpbtn1->setObjectName("xpbtn1");
  xpbtn1->setGeometry(430, 16, 120, 32);

  connect(Edit1, &QLineEdit::textChanged, this, &TForm9::Edit1Change);
  Edit1->installEventFilter(this);
  connect(xpbtn1, &QPushButton::clicked, this, &TForm9::xpbtn1Click);
  WebBrowser1->OnDocumentComplete([this](BrowserWindow window) { WebBrowser1DocumentComplete(window); });
}

void TForm9::showEvent(QShowEvent* event) {
  FormShow();
  NamingWindow::showEvent(event);
}

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::MouseButtonPress) Edit1Click();
  return NamingWindow::eventFilter(watched, event);
}

void TForm9::FormShow() {
  Edit1->setText(FromGbk(BytesAt(ToGbk(mainWindow_.flatedit1->text()), 1, 2)));
  RadioGroup1->SelectCaption(mainWindow_.FlatButton1->text());
}

void TForm9::Edit1Change() {
  const SurnameEntry entry = CheckSurnameEntry(ToGbk(Edit1->text()));
  if (entry.rejected) {
    mainWindow_.UserDialogs().ShowMessage(EnterChineseMessage());
    Edit1->clear();
    return;
  }
  const QString trimmed = FromGbk(entry.text);
  if (trimmed != Edit1->text()) Edit1->setText(trimmed);
}

void TForm9::Edit1Click() { Edit1->clear(); }

void TForm9::xpbtn1Click() {
  const std::string text = ToGbk(Edit1->text());
  const std::optional<std::string> surname = NamingSurname(text);
  if (!surname) return;
  if (text.size() > 2) Edit1->setText(FromGbk(*surname));
  WebBrowser1->Navigate(NamingBase() + "/chest/ming.htm");
  GradProgress1->SetPosition(0);
}

void TForm9::WebBrowser1DocumentComplete(BrowserWindow) {
  GradProgress1->SetPosition(100);
  try {
    const PersonalNamingRequest request{ToGbk(RadioGroup1->Caption()), ToGbk(RadioGroup2->Caption()),
                                        ToGbk(Edit1->text())};
    const std::optional<std::string> text =
        TakePersonalNamingPage(*WebBrowser1, Memo1, Memo2, request, NamingServiceAt(NamingBase()));
    if (text) ShowResult(*text);
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

}  // namespace velmora
