#pragma once

// A contact sheet of every picture, each on the background it is shown on and enlarged beside
// its real size, for looking them over.

#include <QImage>
#include <QList>

#include "resources/drawing/canvas.h"
#include "resources/generator/picture_groups.h"

namespace spinfolio::generator {

using namespace spinfolio::drawing;

QImage ContactSheet(const QList<NamedPicture>& pictures);

}  // namespace spinfolio::generator
