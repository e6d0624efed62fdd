#pragma once

#include <QColor>

namespace spinfolio {

// Background and font colours of the lists of catalog lines.
inline const QColor kDiscListColour(223, 225, 238);
inline const QColor kContentListColour(216, 235, 235);
inline const QColor kCategoryListColour(251, 227, 228);
inline const QColor kDiscListFontColour(0, 0, 128);  // navy
inline const QColor kContentListFontColour(0, 64, 64);
inline const QColor kCategoryListFontColour(128, 0, 0);  // maroon

}  // namespace spinfolio
