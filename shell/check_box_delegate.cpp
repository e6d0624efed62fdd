#include "shell/check_box_delegate.h"

#include <QApplication>
#include <QPainter>

namespace spinfolio {
namespace {

constexpr int kGap = 2;  // between the box and the painted row

const QStyle* StyleOf(const QStyleOptionViewItem& option) {
  return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

}  // namespace

CheckBoxDelegate::CheckBoxDelegate(QAbstractItemDelegate* rows, QObject* parent)
    : QStyledItemDelegate(parent), rows_(rows) {
  rows_->setParent(this);
}

QRect CheckBoxDelegate::checkRect(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  // The same reckoning as the base class makes when it tests a click on the box.
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  return StyleOf(option)->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item,
                                         option.widget);
}

void CheckBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QRect box = checkRect(option, index);
  const int rowLeft = box.right() + 1 + kGap;
  painter->fillRect(QRect(option.rect.left(), option.rect.top(), rowLeft - option.rect.left(),
                          option.rect.height()),
                    option.palette.base());

  QStyleOptionViewItem check = option;
  check.rect = box;
  check.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  check.state |=
      index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
  StyleOf(option)->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter,
                                 option.widget);

  QStyleOptionViewItem row = option;
  row.rect.setLeft(rowLeft);
  rows_->paint(painter, row, index);
}

QSize CheckBoxDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  return rows_->sizeHint(option, index);
}

}  // namespace spinfolio
