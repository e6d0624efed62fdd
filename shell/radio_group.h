#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace spinfolio {

/// A framed group of radio buttons read and set by item index, -1 meaning none chosen.
class RadioGroup final : public QGroupBox {
  Q_OBJECT

 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  void setItems(const QStringList& items);
  int itemIndex() const;
  /// Sets the choice without running the click handler.
  void setItemIndex(int index);

 Q_SIGNALS:
  /// The user chose an item.
  void clicked(int index);

 private:
  QButtonGroup buttons_;
};

}  // namespace spinfolio
