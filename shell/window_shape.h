#pragma once

#include <QRegion>
#include <QSize>

namespace spinfolio {

/// A rounded rectangle as the system's region of that name: corners cut by ellipses of the given
/// width and height.
QRegion RoundedRegion(int left, int top, int right, int bottom, int ellipseWidth,
                      int ellipseHeight);

/// The main window: a rounded title strip (0, 0)-(width, 23) with 8 × 8 corners over a rounded
/// body (0, 23)-(width, height) with 11 × 11 corners.
QRegion MainWindowRegion(QSize size);

/// A page: rounded over its whole area with 8 × 8 corners, but its top-left corner square.
QRegion PageRegion(QSize size);

}  // namespace spinfolio
