#pragma once
// The 生男生女 work panel: the chart query (which sex for a month of
// conception), the months query (when to conceive a wished sex) and the links
// that open the views of TForm7. Handlers read the controls, call the core
// and show the result.

#include <QWidget>
#include <exception>
#include <functional>
#include <string>

#include "platform/dialogs.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace velmora {

class TForm7;

class GenderPanel : public QWidget {
 public:
  // Fills the work panel it is placed in (583×432). `form7` gives the window
  // of the views, made when a link first asks for it.
  GenderPanel(QWidget* parent, std::function<void()> playClickSound, Dialogs& dialogs, std::function<TForm7&()> form7);

  void FlatButton4Click();  // the chart query
  void FlatButton5Click();  // the months query
  void PDJButton1Click();   // 清宫自查表
  void PDJButton2Click();   // 古代预测术
  void PDJButton3Click();   // 民间预测术

  QComboBox* cbb2 = nullptr;  // mother's age
  QComboBox* cbb3 = nullptr;  // month of conception
  QPushButton* FlatButton4 = nullptr;
  QLabel* label42 = nullptr;
  QLabel* img1 = nullptr;  // baby boy
  QLabel* img2 = nullptr;  // boy and girl together, shown before the first answer
  QLabel* img3 = nullptr;  // baby girl
  QPushButton* PDJButton1 = nullptr;
  QPushButton* PDJButton2 = nullptr;
  QPushButton* PDJButton3 = nullptr;

  QComboBox* cbb4 = nullptr;  // mother's age
  QComboBox* cbb5 = nullptr;  // wished sex
  QPushButton* FlatButton5 = nullptr;
  QLabel* label45 = nullptr;

 private:
  void BuildChartQuery();
  void BuildMonthsQuery();
  void BuildLinks();
  void ShowError(const std::exception& error);

  std::function<void()> playClickSound_;
  Dialogs& dialogs_;
  std::function<TForm7&()> form7_;
  std::string FlatMemo3_;  // the last months text, copied into label45
};

}  // namespace velmora
