#include "shell/window_shape.h"

#include <QPainterPath>

namespace spinfolio {

QRegion RoundedRegion(int left, int top, int right, int bottom, int ellipseWidth,
                      int ellipseHeight) {
  QPainterPath path;
  path.addRoundedRect(QRectF(left, top, right - left, bottom - top), ellipseWidth / 2.0,
                      ellipseHeight / 2.0);
  return QRegion(path.toFillPolygon().toPolygon());
}

QRegion MainWindowRegion(QSize size) {
  return RoundedRegion(0, 0, size.width(), 23, 8, 8) +
         RoundedRegion(0, 23, size.width(), size.height(), 11, 11);
}

QRegion PageRegion(QSize size) {
  return RoundedRegion(0, 0, size.width(), size.height(), 8, 8) + QRegion(0, 0, 10, 10);
}

}  // namespace spinfolio
