#include "app/tform11.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/gradient_progress.h"
#include "app/radio_group.h"
#include "online/company_naming.h"
#include "platform/qt/gbk_qstring.h"
#include "platform/qt/qt_browser.h"

namespace velmora {

TForm11::TForm11(TForm1& mainWindow)
    : NamingWindow("TForm11", "公司起名", "说明：本功能需要连接到互联网；根据汉字的最佳财运配合。", mainWindow) {
  Edit1 = CaptionedEdit("创办者姓氏：", "刘", 8, 40);
  auto* tradeCaption = new QLabel(QString::fromUtf8("关键词："), InputStrip());
  tradeCaption->adjustSize();
  tradeCaption->move(140, 24);
  cbb1 = new QComboBox(InputStrip());
  cbb1->setObjectName("cbb1");
  for (const std::string& trade : CompanyTradeNames()) cbb1->addItem(FromGbk(trade));
  cbb1->setGeometry(140 + tradeCaption->width() + 2, 19, 130, 26);
  RadioGroup1 = new RadioGroup(QString(), {QString::fromUtf8("两个字"), QString::fromUtf8("三个字")}, 0, InputStrip());
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(330, 10, 150, 44);
  xpbtn1 = new QPushButton(QString::fromUtf8("生成名称"), InputStrip());
  xpbtn1->setObjectName("xpbtn1");
  xpbtn1->setGeometry(490, 16, 100, 32);

  connect(xpbtn1, &QPushButton::clicked, this, &TForm11::xpbtn1Click);
  WebBrowser1->OnDocumentComplete([this](BrowserWindow window) { WebBrowser1DocumentComplete(window); });
}

void TForm11::xpbtn1Click() {
  Edit1->setText(FromGbk(CompanySurname(ToGbk(Edit1->text()))));
  GradProgress1->SetPosition(0);
  WebBrowser1->Navigate(NamingBase() + "/chest/gs.htm");
}

void TForm11::WebBrowser1DocumentComplete(BrowserWindow) {
  GradProgress1->SetPosition(100);
  try {
    const CompanyNamingRequest request{RadioGroup1->ItemIndex(), ToGbk(Edit1->text()), ToGbk(cbb1->currentText())};
    ShowResult(TakeCompanyNamingPage(*WebBrowser1, Memo1, Memo2, request, NamingServiceAt(NamingBase()).domain));
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

}  // namespace velmora
