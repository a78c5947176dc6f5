#pragma once
// The 本周星座运程 window: the twelve constellations to choose from, the
// command 本周运程, and the week's forecast of the chosen one as plain text,
// taken from the forecast service's page by a browser nobody sees. Created
// hidden at start-up; keeps the last choice.

#include "app/secondary_windows.h"
#include "online/line_buffer.h"
#include "platform/browser.h"

class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class GradientProgress;
class QtBrowser;
class TForm1;

class TForm12 : public SecondaryWindow {
 public:
  explicit TForm12(TForm1& mainWindow);

  // The chosen constellation, 0 (白羊座) .. 11 (双鱼座).
  int SelectedIndex() const;
  void SelectIndex(int index);

  void xpbtn1Click();
  void webbrowser2DocumentComplete(BrowserWindow window);

  QGroupBox* suiRadioGroup1 = nullptr;
  QPushButton* xpbtn1 = nullptr;
  GradientProgress* GradProgress1 = nullptr;
  QPlainTextEdit* memo1 = nullptr;
  QtBrowser* webbrowser2 = nullptr;

 private:
  TForm1& main_;
  QButtonGroup* constellations_ = nullptr;
  LineBuffer memo2_;  // the page's text
  LineBuffer shown_;  // what memo1 shows
};

}  // namespace velmora
