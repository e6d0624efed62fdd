#include "browse/catalog_list_delegate.h"

#include <QPainter>
#include <QStylePainter>

#include "browse/list_painters.h"
#include "browse/painter_canvas.h"
#include "common/catalog_names.h"
#include "common/file_ops.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace spinfolio {
namespace {

constexpr int kRowHeight = 17;

std::string_view RawLine(const QModelIndex& index, QByteArray& holder) {
  holder = index.data(LineListModel::RawLineRole).toByteArray();
  return {holder.constData(), static_cast<std::size_t>(holder.size())};
}

}  // namespace

CatalogListDelegate::CatalogListDelegate(Kind kind, const TForm1& form, QColor background,
                                         QColor fontColour, QObject* parent, int contentList,
                                         std::function<int(int row)> discIndex)
    : QStyledItemDelegate(parent),
      kind_(kind),
      form_(form),
      background_(background),
      fontColour_(fontColour),
      contentList_(contentList),
      discIndex_(std::move(discIndex)) {}

QSize CatalogListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width(), kRowHeight};
}

void CatalogListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QByteArray holder;
  const std::string_view line = RawLine(index, holder);
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  const int row = index.row();
  painter->save();
  PainterCanvas canvas(*painter, option.font);
  switch (kind_) {
    case Kind::Disc: {
      const int disc = discIndex_ ? discIndex_(row) : row;
      const CatalogLocation& location = form_.location();
      DiscRowContext context{.background = background_, .disc = disc};
      context.discCount = location.DiscCount;
      context.hasPhoto = FileExists(location.PhotoFolder + PhotoFileName(disc));
      context.hasDescription = FileExists(location.catalogFolder() + DescriptionFileName(disc));
      context.reduceFonts = form_.reduceFonts();
      PaintDiscRow(canvas, context, option.rect, row, selected, line);
      break;
    }
    case Kind::Content:
    case Kind::SearchContent: {
      ContentRowContext context{.background = background_, .fontColour = fontColour_};
      context.displayFlags = form_.displayFlags()[static_cast<std::size_t>(contentList_)];
      context.reduceFonts = form_.reduceFonts();
      if (kind_ == Kind::SearchContent) context.redQuery = form_.searchQuery();
      PaintContentRow(canvas, context, option.rect, row, selected, line);
      break;
    }
    case Kind::Category: {
      const CategoryRowContext context{.background = background_, .fontColour = fontColour_};
      PaintCategoryRow(canvas, context, option.rect, row, selected, line);
      break;
    }
  }
  painter->restore();
}

void OwnerDrawnComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox box;
  initStyleOption(&box);
  box.currentText.clear();
  box.currentIcon = QIcon();
  painter.drawComplexControl(QStyle::CC_ComboBox, box);
  if (currentIndex() < 0) return;
  QStyleOptionViewItem item;
  item.initFrom(this);
  item.rect =
      style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, this);
  item.font = font();
  item.state &= ~QStyle::State_Selected;
  itemDelegate()->paint(&painter, item,
                        model()->index(currentIndex(), modelColumn(), rootModelIndex()));
}

}  // namespace spinfolio
