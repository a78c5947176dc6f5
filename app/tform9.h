#pragma once
// 个人起名 (caption "Velmora"): the surname, the sex and the length of the
// name go to the naming service's form page in a browser the user does not
// see; the proposed names come back into the result label.

#include "app/naming_window.h"
#include "platform/browser.h"

class QPushButton;

namespace velmora {

class RadioGroup;

class TForm9 : public NamingWindow {
 public:
  explicit TForm9(TForm1& mainWindow);

  void FormShow();
  void Edit1Change();
  void Edit1Click();
  void xpbtn1Click();
  void WebBrowser1DocumentComplete(BrowserWindow window);

  QLineEdit* Edit1 = nullptr;
  RadioGroup* RadioGroup1 = nullptr;  // 男, 女
  RadioGroup* RadioGroup2 = nullptr;  // 3, 2
  QPushButton* xpbtn1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace velmora
