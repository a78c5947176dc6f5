#pragma once
// The 生男生女 window: the gender chart as a picture, the ancient trigram
// rule and the folk rule, one view at a time. Created hidden at start-up and
// shown non-modally by the gender panel's link buttons.

#include <QStringList>

#include "app/secondary_windows.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace velmora {

// An editable drop-down starting on its first item; typed text never becomes an item.
QComboBox* EditableDropDown(QWidget* parent, const char* name, const QStringList& items, const QRect& geometry);
// The position of the item the shown text names, -1 when typed text names none.
int TypedPosition(const QComboBox& box);

class TForm7 : public SecondaryWindow {
 public:
  explicit TForm7(QWidget* mainWindow);

  // Each makes its view the only visible one, then shows and raises the window.
  void ShowChartView();
  void ShowTrigramView();
  void ShowFolkRuleView();

  void xpbtn1Click();
  void FlatButton2Click();

  QFrame* FlatPanel1 = nullptr;  // the folk rule
  QFrame* FlatPanel2 = nullptr;  // the chart
  QFrame* FlatPanel3 = nullptr;  // the trigram rule

  QLabel* Image1 = nullptr;

  // Father's year, month, day; mother's year, month, day; month of conception.
  QComboBox* cbb1 = nullptr;
  QComboBox* cbb2 = nullptr;
  QComboBox* cbb3 = nullptr;
  QComboBox* cbb4 = nullptr;
  QComboBox* cbb5 = nullptr;
  QComboBox* cbb6 = nullptr;
  QComboBox* cbb7 = nullptr;
  QPushButton* xpbtn1 = nullptr;
  QLabel* label1 = nullptr;
  QLabel* label5 = nullptr;

  QComboBox* cbb13 = nullptr;  // mother's age
  QComboBox* cbb11 = nullptr;  // month of conception
  QPushButton* FlatButton2 = nullptr;
  QLabel* label8 = nullptr;

 private:
  void BuildChartView();
  void BuildTrigramView();
  void BuildFolkRuleView();
  void ShowOnly(QFrame* view);
};

}  // namespace velmora
