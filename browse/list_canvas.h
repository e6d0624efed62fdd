#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include "catalog/drive_kind.h"

namespace spinfolio {

/// What the list painters draw on: a list row's painter in the program, a recording canvas in
/// the tests. Fonts are the list's own; only their point size changes while a row is painted.
class ListCanvas {
 public:
  virtual ~ListCanvas() = default;

  /// Fills the rectangle solidly.
  virtual void fillRect(const QRect& rect, const QColor& colour) = 0;
  /// Draws one line of text with its top-left corner at topLeft, background transparent.
  virtual void drawText(QPoint topLeft, const QString& text, const QColor& colour) = 0;
  /// The width and height of text in the current font, in pixels.
  virtual int textWidth(const QString& text) = 0;
  virtual int textHeight() = 0;
  virtual int fontPointSize() = 0;
  virtual void setFontPointSize(int points) = 0;
  /// Draws the 16 x 16 picture of the icon strip's slot, transparently.
  virtual void drawIcon(int slot, QPoint topLeft) = 0;
  /// Draws the system's small icon for a kind of drive, transparently.
  virtual void drawDriveIcon(DriveKind kind, QPoint topLeft) = 0;

 protected:
  ListCanvas() = default;
  ListCanvas(const ListCanvas&) = default;
  ListCanvas& operator=(const ListCanvas&) = default;
};

}  // namespace spinfolio
