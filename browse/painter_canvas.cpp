#include "browse/painter_canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "browse/drive_icons.h"
#include "resources/pictures.h"

namespace spinfolio {
namespace {

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

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const QFont& font)
    : painter_(painter), font_(font) {
  painter_.setFont(font_);
}

void PainterCanvas::fillRect(const QRect& rect, const QColor& colour) {
  painter_.fillRect(rect, colour);
}

void PainterCanvas::drawText(QPoint topLeft, const QString& text, const QColor& colour) {
  painter_.setPen(colour);
  painter_.drawText(topLeft.x(), topLeft.y() + QFontMetrics(font_).ascent(), text);
}

int PainterCanvas::textWidth(const QString& text) {
  return QFontMetrics(font_).horizontalAdvance(text);
}

int PainterCanvas::textHeight() { return QFontMetrics(font_).height(); }

int PainterCanvas::fontPointSize() { return font_.pointSize(); }

void PainterCanvas::setFontPointSize(int points) {
  // Sizes below one point cannot be set; the painters count their steps themselves.
  font_.setPointSize(std::max(1, points));
  painter_.setFont(font_);
}

void PainterCanvas::drawIcon(int slot, QPoint topLeft) {
  painter_.drawPixmap(topLeft, IconSlot(slot));
}

void PainterCanvas::drawDriveIcon(DriveKind kind, QPoint topLeft) {
  painter_.drawPixmap(topLeft, DriveIcon(kind));
}

}  // namespace spinfolio
