#include "app/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace velmora {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int checked, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(8, 2, 8, 2);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_->addButton(button, i);
    layout->addWidget(button);
  }
  SetItemIndex(checked);
}

int RadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void RadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = buttons_->button(index)) button->setChecked(true);
}

QString RadioGroup::Caption() const {
  const QAbstractButton* button = buttons_->checkedButton();
  return button ? button->text() : QString();
}

void RadioGroup::SelectCaption(const QString& caption) {
  for (QAbstractButton* button : buttons_->buttons()) {
    if (button->text() == caption) button->setChecked(true);
  }
}

}  // namespace velmora
