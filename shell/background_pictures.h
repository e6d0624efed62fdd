#pragma once

#include <QPixmap>

namespace spinfolio {

/// Background picture number (1 to 5) of the background picture library, for the page
/// backgrounds and the dialogs that show one while the background option is on.
QPixmap BackgroundPicture(int number);

}  // namespace spinfolio
