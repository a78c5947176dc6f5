#pragma once
// A framed group of radio buttons with one item ticked, read by its index or
// by the caption of the ticked item.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace velmora {

class RadioGroup : public QGroupBox {
 public:
  // The items side by side; item `checked` ticked.
  RadioGroup(const QString& title, const QStringList& items, int checked, QWidget* parent);
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The caption of the ticked item.
  QString Caption() const;
  // Ticks the item of that caption; nothing when no item has it.
  void SelectCaption(const QString& caption);

 private:
  QButtonGroup* buttons_;
};

}  // namespace velmora
