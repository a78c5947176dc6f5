#include "app/name_picker_panel.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <string_view>

#include "platform/qt/gbk_qstring.h"
#include "readings/name_picker.h"

namespace velmora {
namespace {

const QColor kGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kLightGrey(240, 240, 240);

// Paints every cell of a grid itself: the row's background, the grid's text
// colour for the row, the text 2 pixels in from the cell's top-left corner.
// The current cell looks like any other (no selection colour).
class CellPainting : public QStyledItemDelegate {
 public:
  CellPainting(bool firstGrid, QObject* parent) : QStyledItemDelegate(parent), firstGrid_(firstGrid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    // Alternate rows are shaded, and the two grids swap their text colours.
    const bool evenRow = index.row() % 2 == 0;
    painter->save();
    painter->fillRect(option.rect, evenRow ? QColor(Qt::white) : kLightGrey);
    painter->setPen(evenRow == firstGrid_ ? kGreen : kNavy);
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
  }

 private:
  bool firstGrid_;
};

QTableWidget* CharacterGrid(QFrame* panel, const char* name, int top) {
  auto* grid = new QTableWidget(kGridRows, kGridColumns, panel);
  grid->setItemDelegate(new CellPainting(std::string_view(name) == "suiStringGrid1", grid));
  grid->setObjectName(name);
  grid->setGeometry(36, top, 522, 107);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setMinimumSectionSize(20);
  grid->verticalHeader()->setMinimumSectionSize(20);
  grid->horizontalHeader()->setDefaultSectionSize(20);
  grid->verticalHeader()->setDefaultSectionSize(20);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setCurrentCell(0, 0);
  return grid;
}

QLabel* PanelCaption(const QString& text, int left, int top, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  return label;
}

}  // namespace

NamePickerPanel::NamePickerPanel(QFrame* panel, QLabel* label21) : QObject(panel) {
  suiListBox1 = new QListWidget(panel);
  suiListBox1->setObjectName("suiListBox1");
  suiListBox1->setGeometry(32, 16, 81, 100);
  QFont listFont(QString::fromUtf8("Noto Sans CJK SC"));
  listFont.setPixelSize(16);
  listFont.setBold(true);
  suiListBox1->setFont(listFont);
  SetCodes({"0312", "0527", "1121", "1324", "0611", "1409"});
  suiListBox1->setCurrentRow(0);

  auto* box = new QFrame(panel);
  box->setGeometry(122, 16, 436, 100);
  box->setFrameShape(QFrame::StyledPanel);
  auto* explanation = new QLabel(
      QString::fromUtf8("本表采用中国古代的绝佳三才配合法，左边列表框是最适合该姓氏的绝佳三才配合的最佳优化取字组合，"
                        "请自行选择表中汉字成名，所取姓名三才皆为绝配！"),
      box);
  explanation->setWordWrap(true);
  explanation->setGeometry(16, 8, 410, 50);
  label21->setParent(box);
  label21->setGeometry(8, 62, 280, 32);
  QFont nameFont(QString::fromUtf8("Noto Sans CJK SC"));
  nameFont.setPixelSize(21);
  label21->setFont(nameFont);
  label21->setStyleSheet("color: navy;");
  pdjbtn1 = new QPushButton(QString::fromUtf8("测算该姓名"), box);
  pdjbtn1->setObjectName("pdjbtn1");
  pdjbtn1->setGeometry(304, 68, 113, 25);

  PanelCaption(QString::fromUtf8("精选第一个字：[选择后，可以按下“测算姓名”查看结果]"), 24, 142, panel);
  suiStringGrid1 = CharacterGrid(panel, "suiStringGrid1", 160);
  PanelCaption(QString::fromUtf8("精选第二个字：[选择后，可以按下“测算姓名”查看结果]"), 24, 286, panel);
  suiStringGrid2 = CharacterGrid(panel, "suiStringGrid2", 304);
}

void NamePickerPanel::SetCodes(const std::vector<std::string>& codes) {
  suiListBox1->clear();
  for (const std::string& code : codes) suiListBox1->addItem(FromGbk(code));
}

void NamePickerPanel::FillCharacterGrid(QTableWidget* grid, const std::vector<std::string>& cells) {
  for (int row = 0; row < kGridRows; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      grid->setItem(row, column, new QTableWidgetItem(FromGbk(cells[static_cast<std::size_t>(row * kGridColumns + column)])));
    }
  }
}

std::string NamePickerPanel::CurrentCellText(const QTableWidget* grid) {
  const QTableWidgetItem* item = grid->currentItem();
  return item ? ToGbk(item->text()) : std::string();
}

}  // namespace velmora
