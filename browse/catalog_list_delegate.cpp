#include "browse/catalog_list_delegate.h"

#include <QPainter>
#include <QStylePainter>
#include <array>

#include "browse/list_painters.h"
#include "common/catalog_names.h"
#include "common/file_ops.h"
#include "resources/pictures.h"
#include "shell/form1.h"
#include "shell/line_list_model.h"

namespace spinfolio {
namespace {

constexpr int kRowHeight = 17;

// The icon strip, cut once into its 32 slots.
const QPixmap& IconSlot(int slot) {
  static const std::array<QPixmap, 32> slots = [] {
    std::array<QPixmap, 32> icons;
    for (int i = 0; i < 32; ++i) icons[static_cast<std::size_t>(i)] = IconStripIcon(i);
    return icons;
  }();
  static const QPixmap none;
  return slot >= 0 && slot < 32 ? slots[static_cast<std::size_t>(slot)] : none;
}

// The list painters' canvas on a row of a view.
class PainterCanvas final : public ListCanvas {
 public:
  PainterCanvas(QPainter& painter, const QFont& font) : painter_(painter), font_(font) {
    painter_.setFont(font_);
  }

  void fillRect(const QRect& rect, const QColor& colour) override {
    painter_.fillRect(rect, colour);
  }
  void drawText(QPoint topLeft, const QString& text, const QColor& colour) override {
    painter_.setPen(colour);
    painter_.drawText(topLeft.x(), topLeft.y() + QFontMetrics(font_).ascent(), text);
  }
  int textWidth(const QString& text) override {
    return QFontMetrics(font_).horizontalAdvance(text);
  }
  int textHeight() override { return QFontMetrics(font_).height(); }
  int fontPointSize() override { return font_.pointSize(); }
  void setFontPointSize(int points) override {
    // Sizes below one point cannot be set; the painters count their steps themselves.
    font_.setPointSize(std::max(1, points));
    painter_.setFont(font_);
  }
  void drawIcon(int slot, QPoint topLeft) override { painter_.drawPixmap(topLeft, IconSlot(slot)); }

 private:
  QPainter& painter_;
  QFont font_;
};

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
