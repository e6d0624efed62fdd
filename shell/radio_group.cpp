#include "shell/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace spinfolio {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
  setLayout(new QVBoxLayout);
  connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

void RadioGroup::setItems(const QStringList& items) {
  const auto existing = buttons_.buttons();
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (i < existing.size()) {
      existing[i]->setText(items[i]);
      continue;
    }
    auto* button = new QRadioButton(items[i], this);
    layout()->addWidget(button);
    buttons_.addButton(button, static_cast<int>(i));
  }
}

int RadioGroup::itemIndex() const { return buttons_.checkedId(); }

void RadioGroup::setItemIndex(int index) {
  if (QAbstractButton* button = buttons_.button(index)) {
    button->setChecked(true);
    return;
  }
  // Unchecking needs the group's exclusivity lifted for a moment.
  buttons_.setExclusive(false);
  for (QAbstractButton* button : buttons_.buttons()) button->setChecked(false);
  buttons_.setExclusive(true);
}

}  // namespace spinfolio
