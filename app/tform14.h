#pragma once
// The 在线姓名测试 window: the name, surname kind and sex on an input panel
// that covers the browser; "测试姓名" converts the name to traditional
// characters, fills the form page the browser holds and sends it; the answer
// is shown cleaned, and "重新测试" brings the form back. Created hidden at
// start-up; every showing copies the main window's name again.

#include "app/secondary_windows.h"
#include "online/line_buffer.h"
#include "platform/browser.h"
#include "refdb/reference_db.h"

class QFrame;
class QLabel;
class QPushButton;
class QWebEngineView;

namespace velmora {

class GradientProgress;
class NameEdit;
class RadioGroup;
class QtBrowser;
class TForm1;

class TForm14 : public SecondaryWindow {
 public:
  explicit TForm14(TForm1& mainWindow);

  void FormShow();
  void Edit1Exit();
  void xpbtn1Click();  // 测试姓名
  void xpbtn2Click();  // 重新测试
  // The two steps of "测试姓名".
  void Button1Click();  // 简转繁: lbl3 and lbl5 from the name; throws the database's error
  void Button2Click();  // 填表
  void WebBrowser1DocumentComplete(BrowserWindow window);

  NameEdit* Edit1 = nullptr;
  RadioGroup* suiRadioGroup1 = nullptr;  // 单姓 (0), 复姓 (1)
  RadioGroup* suiRadioGroup2 = nullptr;  // 男 (0), 女 (1)
  QLabel* lbl3 = nullptr;  // the traditional surname
  QLabel* lbl5 = nullptr;  // the traditional given name
  QPushButton* xpbtn1 = nullptr;
  QPushButton* xpbtn2 = nullptr;
  QFrame* Panel1 = nullptr;
  QWebEngineView* WebBrowser1 = nullptr;
  GradientProgress* GradProgress1 = nullptr;

  QtBrowser& Browser() { return *browser_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void BuildInputPanel();
  std::string SurnameKind() const;
  std::string FormPage() const;
  void ShowError(const std::exception& error);

  TForm1& mainWindow_;
  ReferenceDb ADOQuery1_;
  QtBrowser* browser_ = nullptr;
  LineBuffer mmo1_;  // the answer's markup
};

}  // namespace velmora
