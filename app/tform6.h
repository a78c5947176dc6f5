#pragma once
// 姻缘注定: shows the marriage page a server command wrote, under a button that
// offers the applet runtime's installer, with a progress bar along the top.

#include <string>

#include "app/secondary_windows.h"
#include "platform/browser.h"

class QPushButton;
class QWebEngineView;

namespace velmora {

class GradientProgress;
class QtBrowser;

class TForm6 : public SecondaryWindow {
 public:
  TForm6(QWidget* mainWindow, std::string programFolder);

  void WebBrowser1DocumentComplete(BrowserWindow window);
  void PDJButton1Click();

  QPushButton* PDJButton1 = nullptr;
  QWebEngineView* WebBrowser1View = nullptr;
  QtBrowser* WebBrowser1 = nullptr;
  GradientProgress* GradProgress1 = nullptr;

 private:
  std::string programFolder_;
};

}  // namespace velmora
