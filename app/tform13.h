#pragma once
// The 生日密码 window: a heading with the person's name, sex and birthday
// key (month-day), the command 生日密码, and the birthday page's text for
// that key under the heading, taken by a browser nobody sees. Created hidden
// at start-up; every showing reads the birth profile afresh.

#include "app/secondary_windows.h"
#include "online/line_buffer.h"
#include "platform/browser.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class GradientProgress;
class QtBrowser;
class TForm1;

class TForm13 : public SecondaryWindow {
 public:
  explicit TForm13(TForm1& mainWindow);

  void FormShow();
  void xpbtn1Click();
  void WebBrowser1DocumentComplete(BrowserWindow window);

  QLabel* Label1 = nullptr;  // the birthday key, not shown
  QLabel* Label2 = nullptr;  // the heading
  QPushButton* xpbtn1 = nullptr;
  GradientProgress* GradProgress1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QtBrowser* WebBrowser1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TForm1& main_;
  LineBuffer Memo2_;  // the page's text
  LineBuffer shown_;  // what Memo1 shows
};

}  // namespace velmora
