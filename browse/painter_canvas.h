#pragma once

#include <QFont>
#include <QPainter>

#include "browse/list_canvas.h"

namespace spinfolio {

/// The list painters' canvas on a row of a view or a drop-down, in the row's font.
class PainterCanvas final : public ListCanvas {
 public:
  PainterCanvas(QPainter& painter, const QFont& font);

  void fillRect(const QRect& rect, const QColor& colour) override;
  void drawText(QPoint topLeft, const QString& text, const QColor& colour) override;
  int textWidth(const QString& text) override;
  int textHeight() override;
  int fontPointSize() override;
  void setFontPointSize(int points) override;
  void drawIcon(int slot, QPoint topLeft) override;
  void drawDriveIcon(DriveKind kind, QPoint topLeft) override;

 private:
  QPainter& painter_;
  QFont font_;
};

}  // namespace spinfolio
