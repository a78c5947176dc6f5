#pragma once
// The name picker's controls on the main window's NamePickerPanel: the list of
// stroke pairs, the explanation with the composed name and its button, and
// the two character grids.

#include <QObject>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velmora {

class NamePickerPanel : public QObject {
  Q_OBJECT
 public:
  // Builds the controls on `panel`; the composed-name label `label21` moves into the box.
  NamePickerPanel(QFrame* panel, QLabel* label21);

  QListWidget* suiListBox1;
  QTableWidget* suiStringGrid1;
  QTableWidget* suiStringGrid2;
  QPushButton* pdjbtn1;

  void SetCodes(const std::vector<std::string>& codes);
  // Fills a grid with the GBK characters of one stroke count, row by row.
  static void FillCharacterGrid(QTableWidget* grid, const std::vector<std::string>& cells);
  // The text of a grid's current cell (GBK).
  static std::string CurrentCellText(const QTableWidget* grid);
};

}  // namespace velmora
