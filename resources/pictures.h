#pragma once

// The pictures of the main window, drawn at build time by resources/generator and compiled into
// the program as resources.

#include <QPixmap>
#include <QStringView>

namespace spinfolio {

// A picture by its resource name, e.g. "ID_CLS1" (the lit close button) or "ID_ZGE2" (the
// normal read button). A name that is not there gives a null pixmap.
QPixmap ProgramBitmap(QStringView name);

// Icon slot 0..31 of the icon strip, 16 × 16; a null pixmap outside that range.
QPixmap IconStripIcon(int slot);

// The greyed (disabled-looking) copy of a 48 × 48 page button, given the button's name with or
// without its state digit ("ID_ZGE", "ID_ZGE1", "ID_ZGE2") or the greyed name itself.
QPixmap GreyedBitmap(QStringView name);

// A piece of a tab: 0 the left end (7 × 22), 1 the middle (16 × 22, stretched to the tab's
// width), 2 the right end (3 × 22).
QPixmap TabPiece(bool active, int piece);

// The title bar strip, 644 × 22, stretched across the title bar.
QPixmap TitleStrip();

// The drawn picture of a drive kind, 16 × 16: 0 optical, 1 removable, 2 fixed, 3 network,
// 4 RAM disk, 5 other; a null pixmap outside that range.
QPixmap DrivePicture(int kind);

}  // namespace spinfolio
