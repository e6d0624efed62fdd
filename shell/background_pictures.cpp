#include "shell/background_pictures.h"

namespace spinfolio {

// libbackdrop.so is not built yet, so the background option stays hidden and no window asks
// for a picture; a null picture leaves a window its plain colour.
QPixmap BackgroundPicture(int /*number*/) { return {}; }

}  // namespace spinfolio
