#pragma once

#include <QPixmap>

#include "catalog/drive_kind.h"

namespace spinfolio {

/// The small (16 × 16) icon of a kind of drive: the icon theme's when it has one, else the
/// program's own drawing.
const QPixmap& DriveIcon(DriveKind kind);

}  // namespace spinfolio
