#pragma once
// The secondary windows, created hidden at start-up after the main window and
// shown non-modally, centred on it, by their commands.

#include <QWidget>

namespace velmora {

class SecondaryWindow : public QWidget {
 public:
  SecondaryWindow(const QString& objectName, const QString& caption, QWidget* mainWindow);
  // Shows the window centred on the main window.
  void ShowCentred();

 private:
  QWidget* mainWindow_;
};

class TForm1;
class TForm3;
class TForm6;
class TForm7;
class TForm9;
class TForm11;
class TForm12;
class TForm13;
class TForm14;

struct SecondaryWindows {
  velmora::TForm6* TForm6;
  velmora::TForm7* TForm7;
  velmora::TForm9* TForm9;
  velmora::TForm11* TForm11;
  velmora::TForm12* TForm12;
  velmora::TForm13* TForm13;
  velmora::TForm14* TForm14;
  velmora::TForm3* TForm3;
};

// In the start-up order: 姻缘注定, 生男生女, Velmora, 公司起名, 本周星座运程,
// 生日密码, 在线姓名测试, 在线姓名评分.
SecondaryWindows CreateSecondaryWindows(TForm1* mainWindow);

}  // namespace velmora
