#pragma once
// 公司起名: the founder's surname, the trade and the length of the name go to
// the naming service's company page in a browser the user does not see; the
// proposed company names come back into the result label.

#include "app/naming_window.h"
#include "platform/browser.h"

class QComboBox;
class QPushButton;

namespace velmora {

class RadioGroup;

class TForm11 : public NamingWindow {
 public:
  explicit TForm11(TForm1& mainWindow);

  void xpbtn1Click();
  void WebBrowser1DocumentComplete(BrowserWindow window);

  QLineEdit* Edit1 = nullptr;
  QComboBox* cbb1 = nullptr;          // the trade
  RadioGroup* RadioGroup1 = nullptr;  // 两个字, 三个字
  QPushButton* xpbtn1 = nullptr;
};

}  // namespace velmora
