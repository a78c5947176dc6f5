#pragma once
// The 在线姓名评分 window: the surname and the given name in two boxes, the
// command "姓名评分" that fetches the names service's score page by a plain
// GET, and the browser that shows the cleaned page. Created hidden at
// start-up; every showing copies the main window's name again.

#include <QPointer>

#include "app/secondary_windows.h"
#include "online/line_buffer.h"

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QWebEngineView;

namespace velmora {

class GradientProgress;
class NameEdit;
class QtBrowser;
class TForm1;

class TForm3 : public SecondaryWindow {
 public:
  explicit TForm3(TForm1& mainWindow);

  void FormShow();
  void edit1Exit();
  void edit2Exit();
  // Starts the fetch; the answer is taken when it has arrived. A second
  // command while one is under way drops the first.
  void xpbtn1Click();

  NameEdit* edit1 = nullptr;
  NameEdit* edit2 = nullptr;
  QPushButton* xpbtn1 = nullptr;
  QWebEngineView* webbrowser1 = nullptr;
  GradientProgress* GradProgress1 = nullptr;

  QtBrowser& Browser() { return *browser_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void IdHTTP1Work(qint64 received, qint64 announced);
  void TakeAnswer(QNetworkReply* reply);
  void Exit(bool leavingSurname);

  TForm1& mainWindow_;
  QNetworkAccessManager* IdHTTP1_ = nullptr;
  QPointer<QNetworkReply> pending_;
  QtBrowser* browser_ = nullptr;
  LineBuffer memo1_;  // the fetched page
  LineBuffer memo2_;  // its cut
};

}  // namespace velmora
