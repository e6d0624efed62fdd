#pragma once

#include <QColor>
#include <QComboBox>
#include <QStyledItemDelegate>
#include <functional>

namespace spinfolio {

class TForm1;

/// Paints the rows of a list of raw catalog lines with the list painters, 17 pixels high.
/// Only the rows the view asks for are painted; nothing is kept between rows.
class CatalogListDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  enum class Kind { Disc, Content, SearchContent, Category };

  /// For disc lists, discIndex maps a row to the disc it shows (the row itself for the full
  /// disc lists, a line of the result or member map for the others). For content lists,
  /// contentList is the list's place in the display flags.
  CatalogListDelegate(Kind kind, const TForm1& form, QColor background, QColor fontColour,
                      QObject* parent, int contentList = 0,
                      std::function<int(int row)> discIndex = {});

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  Kind kind_;
  const TForm1& form_;
  QColor background_;
  QColor fontColour_;
  int contentList_;
  std::function<int(int row)> discIndex_;
};

/// A drop-down whose closed box shows its chosen row painted by its item delegate, as the open
/// list shows it.
class OwnerDrawnComboBox final : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace spinfolio
