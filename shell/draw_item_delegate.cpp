#include "shell/draw_item_delegate.h"

#include <QPainter>

namespace spinfolio {

DrawItemDelegate::DrawItemDelegate(int itemHeight, DrawItem drawItem, QObject* parent)
    : QStyledItemDelegate(parent), itemHeight_(itemHeight), drawItem_(std::move(drawItem)) {}

void DrawItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  painter->save();
  painter->setFont(option.font);
  drawItem_(*painter, option.rect, index.row(), (option.state & QStyle::State_Selected) != 0);
  painter->restore();
}

QSize DrawItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width(), itemHeight_};
}

}  // namespace spinfolio
