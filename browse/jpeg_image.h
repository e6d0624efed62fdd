#pragma once

#include <QImage>
#include <QSize>
#include <string>

namespace spinfolio {

/// Decodes a JPEG file with libjpeg. Given a box, the picture is decoded at the smallest of
/// libjpeg's scales (1/8, 1/4, 1/2, 1) that still covers the box, so that a large photo shown
/// small costs a fraction of a full decode. A file that is missing or not a readable JPEG gives
/// a null image.
QImage DecodeJpeg(const std::string& path, QSize box = {});

/// The photo fitted into the box with its proportions kept (never enlarged); null when the file
/// cannot be read as a JPEG.
QImage LoadPhoto(const std::string& path, QSize box);

}  // namespace spinfolio
