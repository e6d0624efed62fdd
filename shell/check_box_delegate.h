#pragma once

#include <QStyledItemDelegate>

namespace spinfolio {

/// Puts a real check box at the left of every row of a checkable list and leaves the rest of the
/// row to the delegate that paints the list's rows. A click on the box, or the space key on the
/// current row, ticks or unticks it.
class CheckBoxDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  /// Takes over the row delegate as its child.
  CheckBoxDelegate(QAbstractItemDelegate* rows, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  /// Where the box of the row lies, as the clicks that tick it are tested.
  QRect checkRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

 private:
  QAbstractItemDelegate* rows_;
};

}  // namespace spinfolio
