#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace spinfolio {

/// Hands the painting of every item of a list or drop-down to one function, as an owner-drawn
/// control does, with a fixed item height.
class DrawItemDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  /// Paints item `index` into `rect` of the painter; `selected` when the item is highlighted.
  using DrawItem =
      std::function<void(QPainter& painter, const QRect& rect, int index, bool selected)>;

  DrawItemDelegate(int itemHeight, DrawItem drawItem, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int itemHeight_;
  DrawItem drawItem_;
};

}  // namespace spinfolio
