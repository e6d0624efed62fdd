#pragma once

// A contact sheet of every picture, each on the background it is shown on and enlarged beside
// its real size, for looking them over.

#include <QImage>
#include <QList>

#include "resources/generator/canvas.h"

namespace spinfolio::generator {

QImage ContactSheet(const QList<NamedPicture>& pictures);

}  // namespace spinfolio::generator
