#pragma once

#include <QPixmap>

namespace spinfolio::archive {

/// The picture of the progress window and its icon: a compact disc sliding into an open
/// cardboard archive box, drawn on a transparent square of size × size pixels.
QPixmap PackholdPicture(int size);

}  // namespace spinfolio::archive
